// The application shell: it runs the configuration window until it closes and puts boxes on
// the screen as real message boxes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "config_app.h"
#include "config_dialog.h"
#include "message_box.h"

namespace {

TEST(ConfigApp, RunsTheWindowUntilItClosesWithRealBoxes) {
    auto* app = qobject_cast<CConfigApp*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(QApplication::applicationName(), "PelmoxConfig");
    EXPECT_FALSE(QApplication::windowIcon().isNull());

    QString windowTitle;
    QString errorCaption;
    bool errorShown = false;
    QTimer watcher;
    watcher.setInterval(20);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            errorCaption = box->windowTitle();
            box->button(QMessageBox::Ok)->click();
        } else if (auto* window = qobject_cast<CConfigDlg*>(modal)) {
            windowTitle = window->windowTitle();
            if (!errorShown) {
                errorShown = true;
                // Shown from a fresh call, so this watcher keeps ticking while the box is up.
                QTimer::singleShot(0, [] { errorBox("Count not aquire Com Port"); });
            } else if (!errorCaption.isEmpty()) {
                window->close();
            }
        }
    });
    watcher.start();
    EXPECT_EQ(app->run(), 0);
    watcher.stop();

    EXPECT_EQ(windowTitle, "PelmoxConfig");
    EXPECT_EQ(errorCaption, "Error");
    setBoxPresenter({});
}

}  // namespace
