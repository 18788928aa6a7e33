// What a screen reader is told of the commands against a simulated tracker: a tone on and off at
// its port, a write begun, and the window answering the accessibility bus while the write talks.
#include <QAccessible>
#include <QGuiApplication>
#include <QTimer>

#include "announcer.h"
#include "simulated_tracker.h"
#include "window_fixture.h"

namespace {

class SpokenWindow : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(tracker.start());
        choosePort(tracker.devicePath());
    }
    // The last announcement: the name of the window's notification.
    std::string announced() {
        for (QWidget* child : window.findChildren<QWidget*>()) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(child);
            if (iface->role() == QAccessible::Notification)
                return iface->text(QAccessible::Name).toStdString();
        }
        return {};
    }

    SimulatedTracker tracker;
};

TEST_F(SpokenWindow, ATonesStartAndItsStopAreAnnouncedWithThePort) {
    const std::string port = tracker.devicePath();
    std::vector<std::string> heard;
    for (ControlId id : {IDC_TONE_1200, IDC_TONE_STOP, IDC_TONE_BOTH}) {
        click(id);
        heard.push_back(announced());
    }
    // A stop that cannot reach the tracker leaves the tone where it was.
    choosePort("/dev/pelmox-none");
    click(IDC_TONE_STOP);
    heard.push_back(announced());
    EXPECT_EQ(heard, (std::vector<std::string>{
                         "Tone on: 1200 Hz at " + port + ", the transmitter is keyed.",
                         "Tone off at " + port + ".",
                         "Tone on: 1200 and 2200 Hz at " + port + ", the transmitter is keyed.",
                         "The stop did not get through: a tone may still be on at " + port + "."}));
    choosePort(port);
    click(IDC_TONE_STOP);
}

// The bus's calls reach the window as posted calls; a timer or a key must wait, or a second
// command or a tone's time-out could run in the middle of the upload.
TEST_F(SpokenWindow, AWriteIsAnnouncedAndTheBusAnsweredWhileItTalksButNothingElse) {
    // Whether the command was talking (its busy cursor up) when each ran.
    std::vector<bool> answeredWhileTalking;
    std::vector<bool> timedWhileTalking;
    const auto talking = [] { return QGuiApplication::overrideCursor() != nullptr; };
    QMetaObject::invokeMethod(
        &window, [&] { answeredWhileTalking.push_back(talking()); }, Qt::QueuedConnection);
    QTimer::singleShot(1, &window, [&] { timedWhileTalking.push_back(talking()); });
    click(IDC_WRITE_CONFIG);
    EXPECT_EQ(answeredWhileTalking, std::vector<bool>{true});
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Write Successful"});
    EXPECT_EQ(announced(), "Writing the configuration to " + tracker.devicePath() +
                               ", this takes about " + std::to_string(writeSeconds().count()) +
                               " seconds.");
    EXPECT_TRUE(eventually([&] { return !timedWhileTalking.empty(); }));
    EXPECT_EQ(timedWhileTalking, std::vector<bool>{false});
}

}  // namespace
