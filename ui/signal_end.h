// The end of the window's program by a signal (SIGINT, SIGTERM, SIGHUP: a logout, a terminal
// closed). The signal is noted at once and handed to the window through its event loop, also
// while a box is up, so that the window can put the trackers right (switch its tones off) before
// the program ends as the signal asked. While a Held lives (an upload and its check) it waits.
#pragma once

#include <QObject>
#include <functional>

#include "stop_request.h"

class QSocketNotifier;
class QWidget;
class SessionEnd;

class SignalEnd : public QObject {
  public:
    // onSignal runs in the event loop once a signal has come, or on Windows once the session
    // ends (a log-off, a shut-down), and is to end with end(). The window owns it.
    SignalEnd(QWidget* window, std::function<void()> onSignal);

    bool requested() const { return stop_.requested(); }
    // Ends the program as the signal would have.
    [[noreturn]] void end() { stop_.endAsRequested(); }

    // The signal is still noted meanwhile; only the boxes of a failing write, which run the
    // event loop, must not act on it halfway. Whoever holds it looks at requested() afterwards.
    class Held {
      public:
        explicit Held(SignalEnd& end);
        ~Held();
        Held(const Held&) = delete;
        Held& operator=(const Held&) = delete;

      private:
        SignalEnd& end_;
    };

  private:
    void hold(bool held);

    StopRequest stop_;
    QSocketNotifier* notifier_ = nullptr;
    SessionEnd* sessionEnd_ = nullptr;
    int holds_ = 0;
};
