// The window tests need the application object alive for the whole run.
// Started with --click STEP..., the program is instead the window as it runs for a user, with no
// test around it and real boxes: it takes the steps in turn and runs until it is closed or a
// signal ends it. A step is "port=DEVICE" (typed into the port box), "IDC_FIELD=TEXT" (typed into
// a field), "sleep=MS", "answered=N" (the next N boxes are answered at once, as if OK or the
// first button were pressed), "sessionEndIn=MS" (the end of the session comes that much later, as
// the window hears it on Windows, also inside a box) or a button's control name (clicked). Every
// box is announced on standard output ("box: TEXT") before it is shown, for the test to act while
// it is up.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "config_app.h"
#include "config_dialog.h"
#include "control_ids.h"
#include "message_box_presenter.h"
#include "session_end.h"

namespace {

int answeredLeft = 0;

void announce(std::string_view text) {
    std::printf("box: %.*s\n", static_cast<int>(text.size()), text.data());
    std::fflush(stdout);
}

void presentBoxes() {
    setBoxPresenter([](BoxKind kind, std::string_view text, std::string_view caption) {
        announce(text);
        if (answeredLeft > 0) {
            --answeredLeft;
            return;
        }
        showMessageBox(kind, text, caption);
    });
    setChoicePresenter([](std::string_view text, std::string_view caption, std::string_view first,
                          std::string_view second) {
        announce(text);
        if (answeredLeft > 0) {
            --answeredLeft;
            return BoxAnswer::First;
        }
        return showChoiceBox(text, caption, first, second);
    });
}

// Takes the steps from the given one on; a click may not return before its boxes are answered.
void runSteps(CConfigDlg& window, const std::vector<std::string>& steps, std::size_t from) {
    for (std::size_t i = from; i < steps.size(); ++i) {
        const std::string& step = steps[i];
        const std::size_t equals = step.find('=');
        if (equals == std::string::npos) {
            window.findChild<QPushButton*>(QString::fromStdString(step))->click();
            continue;
        }
        const std::string key = step.substr(0, equals);
        const QString value = QString::fromStdString(step.substr(equals + 1));
        if (key == "port") {
            window.findChild<QComboBox*>(QString::fromLatin1(controlName(IDC_COMPORT)))
                ->setEditText(value);
        } else if (key == "answered") {
            answeredLeft = value.toInt();
        } else if (key == "sessionEndIn") {
            QTimer::singleShot(value.toInt(), &window,
                               [&window] { emit window.findChild<SessionEnd*>()->ending(); });
        } else if (key == "sleep") {
            QTimer::singleShot(value.toInt(), &window,
                               [&window, &steps, i] { runSteps(window, steps, i + 1); });
            return;
        } else {
            window.findChild<QLineEdit*>(QString::fromStdString(key))->setText(value);
        }
    }
}

int clickAndRun(const std::vector<std::string>& steps) {
    presentBoxes();
    CConfigDlg window;
    QTimer::singleShot(0, &window, [&] { runSteps(window, steps, 0); });
    return window.exec();
}

}  // namespace

int main(int argc, char** argv) {
    // Test discovery runs this program too, possibly without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CConfigApp app(argc, argv);
    if (argc > 1 && std::string_view(argv[1]) == "--click")
        return clickAndRun(std::vector<std::string>(argv + 2, argv + argc));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
