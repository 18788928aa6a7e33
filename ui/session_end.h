// The end of a Windows session (a log-off, a shut-down, a restart) as the window hears it:
// WM_QUERYENDSESSION, then WM_ENDSESSION, at each top-level window of the program. It counts as
// a signal does on Linux. While a write runs the session is asked to wait, Windows' shut-down
// screen says why, and the stop is noted in the StopRequest, so that the window ends once the
// write is checked; otherwise the window ends when the session does. Elsewhere it does nothing.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QWidget>

class StopRequest;

class SessionEnd : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
  public:
    // Hears the messages of all the program's windows while it lives; the window is the one
    // the shut-down screen names, and owns it.
    SessionEnd(QWidget* window, StopRequest& stop);
    ~SessionEnd() override;
    SessionEnd(const SessionEnd&) = delete;
    SessionEnd& operator=(const SessionEnd&) = delete;

    // From the first byte of an upload to the end of its check.
    void setWriting(bool writing);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  signals:
    // The session ends now. Windows may end the process as soon as the message is answered, so
    // whatever must be put right (a tone) is put right before the slot returns.
    void ending();

  private:
    // Used on Windows only.
    [[maybe_unused]] QWidget* window_;
    StopRequest& stop_;
    bool writing_ = false;
    [[maybe_unused]] WId blocking_ = 0;  // the window the shut-down screen names while writing
};
