// The window tests need the application object alive for the whole run.
// Started with --click <device> <button>, the program is instead the window as it runs for a
// user, with no test around it: it types the device into the port box, clicks the button (by
// its control name) and runs until it is closed or a signal ends it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <string_view>

#include "config_app.h"
#include "config_dialog.h"
#include "control_ids.h"

namespace {

int clickAndRun(const char* device, const char* button) {
    CConfigDlg window;
    window.findChild<QComboBox*>(QString::fromLatin1(controlName(IDC_COMPORT)))
        ->setEditText(QString::fromLocal8Bit(device));
    QTimer::singleShot(0, &window, [&] { window.findChild<QPushButton*>(button)->click(); });
    return window.exec();
}

}  // namespace

int main(int argc, char** argv) {
    // Test discovery runs this program too, possibly without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CConfigApp app(argc, argv);
    if (argc == 4 && std::string_view(argv[1]) == "--click")
        return clickAndRun(argv[2], argv[3]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
