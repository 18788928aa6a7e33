// The window's Write Configuration through a COM port, to a simulated tracker outside the
// program (Windows).
#include "tracker_port.h"
#include "window_fixture.h"

namespace {

TEST_F(WindowTest, WriteThroughAComPortEndsInWriteSuccessful) {
    const std::string port = trackerPort(kTrackerPortVariable);
    ASSERT_FALSE(port.empty()) << kTrackerPortVariable << " must name the tracker's port";
    choosePort(port);
    click(IDC_WRITE_CONFIG);
    EXPECT_EQ(boxes.boxes,
              std::vector<RecordedBox>{BoxRecorder::info("Write Successful", "CorvennaII Write")});
    // The window shows what the tracker stores: the timing values in its steps.
    EXPECT_EQ(text(IDC_TXD), "253");
    EXPECT_EQ(text(IDC_QUIET_TIME), "1525");
}

}  // namespace
