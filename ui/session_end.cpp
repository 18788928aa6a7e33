#include "session_end.h"

#include <QCoreApplication>
#include <string>

#include "stop_request.h"
#include "translated_text.h"
#include "window_texts.h"

#ifdef Q_OS_WIN
#include "windows_api.h"
#endif

SessionEnd::SessionEnd(QWidget* window, StopRequest& stop)
    : QObject(window), window_(window), stop_(stop) {
#ifdef Q_OS_WIN
    // Ahead of Qt's own handling, which answers at once and quits later, by when Windows may
    // have ended the process with a tone still on.
    QCoreApplication::instance()->installNativeEventFilter(this);
#endif
}

SessionEnd::~SessionEnd() {
#ifdef Q_OS_WIN
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
#endif
    setWriting(false);
}

void SessionEnd::setWriting(bool writing) {
    if (writing == writing_)
        return;
    writing_ = writing;
#ifdef Q_OS_WIN
    if (writing) {
        blocking_ = window_->winId();
        const std::wstring reason =
            translatedText(WindowText::kSessionWaitsForWrite).toStdWString();
        ShutdownBlockReasonCreate(reinterpret_cast<HWND>(blocking_), reason.c_str());
    } else {
        ShutdownBlockReasonDestroy(reinterpret_cast<HWND>(blocking_));
    }
#endif
}

bool SessionEnd::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) {
#ifdef Q_OS_WIN
    if (eventType != "windows_generic_MSG")
        return false;
    const auto* msg = static_cast<const MSG*>(message);
    switch (msg->message) {
        case WM_QUERYENDSESSION:
            // The write blocks the window's thread, so this mostly comes once it is over; it
            // comes during one while a box of the write is up.
            if (writing_)
                stop_.request();
            *result = writing_ ? FALSE : TRUE;
            return true;
        case WM_ENDSESSION:
            // FALSE: the session goes on after all. TRUE during a write: a shut-down that waits
            // for nobody; nothing more can be done than what the write's own end does.
            if (msg->wParam != FALSE) {
                if (writing_) {
                    stop_.request();
                } else {
                    emit ending();
                }
            }
            *result = 0;
            return true;
        default:
            return false;
    }
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
    Q_UNUSED(result);
    return false;
#endif
}
