#include "config_app.h"

#include "app_icon.h"
#include "config_dialog.h"
#include "form_text.h"
#include "message_box_presenter.h"
#include "user_language.h"
#include "window_texts.h"

CConfigApp::CConfigApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(latin1ToField(WindowText::kApplicationName));
    setApplicationVersion(QStringLiteral("1.00"));
    setDesktopFileName(QStringLiteral(PELMOX_APP_ID));
    setWindowIcon(applicationIcon());
    user_language::install();
}

int CConfigApp::run() {
    installMessageBoxPresenter();
    CConfigDlg window;
    window.exec();
    return 0;
}
