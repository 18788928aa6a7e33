// The simulated tracker's own rules, driven through a raw descriptor on its terminal: the tests
// of the link lean on these, so a simulator that misjudged would hide faults or invent them.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "raw_line.h"
#include "simulated_tracker.h"

namespace {

using namespace std::chrono_literals;

TEST(SimulatedTrackerTest, AnswersIdentifyOnlyAtItsOwnSpeed) {
    SimulatedTracker tracker(2400);
    ASSERT_TRUE(tracker.start());
    RawLine line(tracker.devicePath(), B9600);
    ASSERT_TRUE(line.ok());
    line.send({0x1B, 0x1B, 'V'});
    EXPECT_EQ(line.receive(300ms), "");
    EXPECT_EQ(tracker.commandCount(), 0u);
    RawLine slow(tracker.devicePath(), B2400);
    slow.send({0x1B, 0x1B, 'V'});
    EXPECT_EQ(slow.receive(300ms), tracker.version());
}

TEST(SimulatedTrackerTest, UploadDelayedAndBunchedByABusyMachineIsStoredWhole) {
    // The writer paced itself, but the bytes were held up and arrive together late: the slow
    // memory judges the upload against its start, so nothing may be lost.
    SimulatedTracker tracker;
    ASSERT_TRUE(tracker.start());
    RawLine line(tracker.devicePath(), B9600);
    ASSERT_TRUE(line.ok());
    line.send({0x1B, 'D'});
    ASSERT_TRUE(waitForCommands(tracker, 1));
    std::this_thread::sleep_for(600ms);
    std::vector<std::uint8_t> image(SimulatedTracker::kImageSize);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i + 1);
    line.send(image);
    line.send({0x1B, 'U'});
    ASSERT_TRUE(waitForCommands(tracker, 2));
    EXPECT_EQ(tracker.lostUploadBytes(), 0u);
    const SimulatedTracker::Image stored = tracker.image();
    EXPECT_EQ(std::vector<std::uint8_t>(stored.begin(), stored.end()), image);
}

TEST(SimulatedTrackerTest, AbandonedUploadDoesNotSwallowTheNextCommand) {
    SimulatedTracker tracker;
    ASSERT_TRUE(tracker.start());
    RawLine line(tracker.devicePath(), B9600);
    ASSERT_TRUE(line.ok());
    line.send({0x1B, 'D', 1, 2, 3});
    ASSERT_TRUE(waitForCommands(tracker, 1));
    std::this_thread::sleep_for(1200ms);
    line.send({0x1B, 0x1B, '3'});
    ASSERT_TRUE(waitForCommands(tracker, 2));
    EXPECT_EQ(tracker.tone(), SimulatedTracker::Tone::Both);
}

}  // namespace
