// The real message boxes: modal to the whole application, so a click on the window while a box
// is up cannot start a second command on the same port; and the cursor they show.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "message_box_presenter.h"
#include "window_fixture.h"

namespace {

class RealBoxes : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        // Count how deep boxes nest while still putting the real ones on the screen.
        setBoxPresenter([this](BoxKind kind, std::string_view text, std::string_view caption) {
            ++depth;
            maxDepth = std::max(maxDepth, depth);
            shown.push_back(std::string(text));
            showMessageBox(kind, text, caption);
            --depth;
        });
    }
    void TearDown() override { setBoxPresenter({}); }

    // A click as the platform delivers it: to the window, where modality is enforced.
    void clickAsTheUser(ControlId id) {
        QWidget* button = control<QWidget>(id);
        const QPoint centre = button->mapTo(&window, button->rect().center());
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre);
    }

    // The message box on the screen, found whether or not it is modal.
    static QMessageBox* visibleBox() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(top);
            if (box != nullptr && box->isVisible())
                return box;
        }
        return nullptr;
    }

    // Clicks the command as the user would and answers every box it shows with OK, after
    // handing each one to inspect while it is up.
    void clickAndAnswerBoxes(ControlId id, const std::function<void(QMessageBox*)>& inspect) {
        QTimer closer;
        closer.setInterval(30);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QMessageBox* box = visibleBox()) {
                inspect(box);
                box->button(QMessageBox::Ok)->click();
            }
        });
        closer.start();
        clickAsTheUser(id);
    }

    int depth = 0;
    int maxDepth = 0;
    std::vector<std::string> shown;
};

TEST_F(RealBoxes, WhileABoxIsUpTheWindowTakesNoCommands) {
    choosePort("");
    int inspected = 0;
    clickAndAnswerBoxes(IDC_READ_VERSION, [&](QMessageBox* box) {
        if (inspected++ > 0)
            return;
        EXPECT_EQ(QApplication::activeModalWidget(), box);
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box->windowTitle(), "Error");
        EXPECT_EQ(box->text(), "Invalid Com Port Number");
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->buttons().size(), 1);
        // The command set the busy cursor; the box gives the normal one back meanwhile.
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        // Clicking a command of the window now must not start anything.
        clickAsTheUser(IDC_WRITE_CONFIG);
        clickAsTheUser(IDC_TONE_1200);
        QTest::qWait(50);
        EXPECT_EQ(QApplication::activeModalWidget(), box);
    });

    EXPECT_EQ(shown, (std::vector<std::string>{"Invalid Com Port Number", "Invalid Com Port Number",
                                               "Pelmox Not Found"}));
    EXPECT_EQ(maxDepth, 1);
    EXPECT_EQ(inspected, 3);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);  // the busy cursor is gone again
}

TEST_F(RealBoxes, InformationBoxesCarryTheirCaption) {
    choosePort("");
    setText(IDC_CALIBRATION, "5");
    QString title;
    QString message;
    clickAndAnswerBoxes(IDC_TONE_BOTH, [&](QMessageBox* box) {
        if (title.isEmpty()) {
            title = box->windowTitle();
            message = box->text();
        }
    });
    EXPECT_EQ(title, "Calibration not written");
    EXPECT_EQ(message, "New Calibration value should be written before Testing Tones");
    EXPECT_EQ(shown.size(), 2u);
}

}  // namespace
