// The end of the window's program by a signal (SIGINT, SIGTERM, SIGHUP: a logout, a terminal
// closed) and its pause by Ctrl+Z (SIGTSTP). The signal is noted at once and handed to the window
// through its event loop, also while a box is up, so that the window can put the trackers right
// (switch its tones off) before the program ends or pauses as the signal asked. While an upload
// runs it waits.
#pragma once

#include <QObject>
#include <functional>

#include "stop_request.h"

class QSocketNotifier;
class QWidget;
class SessionEnd;

class SignalEnd : public QObject {
  public:
    // onRequest runs in the event loop once a signal has come, or on Windows once the session
    // ends (a log-off, a shut-down); it looks at the request to see which. The window owns it.
    SignalEnd(QWidget* window, std::function<void()> onRequest);

    StopRequest& request() { return stop_; }
    // The signal is still noted meanwhile; only the boxes of a failing write, which run the
    // event loop, must not act on it halfway. Whoever writes looks at the request afterwards.
    void setUploading(bool uploading);
    // Off while a request is being acted on, whose boxes run the event loop.
    void setWatching(bool watching);

  private:
    void update();

    StopRequest stop_;
    QSocketNotifier* notifier_ = nullptr;
    SessionEnd* sessionEnd_ = nullptr;
    bool uploading_ = false;
    bool watching_ = true;
};
