// Developer tool: renders the configuration window (and the about box) into PNG files for the
// documentation. Usage: pelmox-screenshot <window.png> [<about.png>]. In English whatever the
// locale, or in the language PELMOX_LANG names (PELMOX_LANG=de), to see a translation's layout.
#include <QApplication>
#include <QPixmap>
#include <QThread>
#include <cstdio>

#include "about_dialog.h"
#include "app_icon.h"
#include "config_dialog.h"
#include "user_language.h"

namespace {

bool grabInto(QWidget& widget, const QString& path) {
    widget.show();
    widget.activateWindow();
    // Let the window manager (if any) map it and the style finish its first paint.
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    const QPixmap shot = widget.grab();
    widget.hide();
    if (!shot.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s: %dx%d\n", qPrintable(path), shot.width(), shot.height());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: pelmox-screenshot <window.png> [<about.png>]\n");
        return 2;
    }
    QApplication::setWindowIcon(applicationIcon());
    if (!qEnvironmentVariableIsEmpty("PELMOX_LANG"))
        user_language::install();
    // Only COM1 to COM4: the build machine's own ports do not belong in the documentation.
    CConfigDlg window([] { return std::vector<std::string>{}; });
    if (!grabInto(window, args.at(1)))
        return 1;
    if (args.size() > 2) {
        CAboutDlg about(&window);
        if (!grabInto(about, args.at(2)))
            return 1;
    }
    return 0;
}
