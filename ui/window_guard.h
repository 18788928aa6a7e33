// The window's side of the transmitter guard and the upload guard: the stop policy for every way
// the window's tones end (Stop Sending, the time limit, a close, a signal, Ctrl+Z, the end of the
// session, sleep), and what ends or pauses the program waiting for an upload and its check. A
// stop that does not get through is tried again for a while, with the link's boxes held back
// meanwhile (nobody may be there to answer them), and then the user is told. The window owns it.
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <set>
#include <string>
#include <vector>

#include "tone_guard.h"
#include "tone_stop.h"

class QWidget;
class SignalEnd;

class WindowGuard : public QObject {
    Q_OBJECT
  public:
    static constexpr std::chrono::minutes kToneTimeLimit = tone_stop::kWindowToneLimit;

    explicit WindowGuard(QWidget* window);
    ~WindowGuard() override;

    ToneGuard& tones() { return tones_; }
    // For tests, which cannot wait that long; the window itself never changes it.
    void setToneTimeLimit(std::chrono::milliseconds limit);

    // A tone button: a tone started, or Stop Sending.
    void toneTest(CTrackerLink& link, char code);
    // A close: every tone stopped where it was started; while one cannot be, the user is asked
    // to try again or close anyway. Returns once the window may close.
    void stopForClose();

    // Before an upload's first byte: a stop asked for meanwhile ends the program, nothing written.
    void beforeUpload();
    // After its check: a stop or pause asked for during it takes effect now.
    void afterUpload();

    // The computer is about to sleep: every tone is stopped before this returns (an upload has
    // finished by then, as it runs on the window's thread); what was stopped is told on waking.
    void sleepComing();
    // A tone is on or an upload runs: sleep is to wait for sleepComing() (logind's delay lock).
    bool needsAwake() const;

  signals:
    void awakeNeededChanged(bool needed);

  private:
    // A signal (SIGINT, SIGTERM, SIGHUP), or on Windows the end of the session: every tone is
    // stopped without asking, as nobody may be there to answer, and the program ends as asked.
    [[noreturn]] void endForSignal();
    // Ctrl+Z: every tone is stopped, the program pauses, and once continued says what it stopped;
    // when a tone may still be on it does not pause, and says that.
    void pauseForCtrlZ();
    void onRequest();
    void checkTimeLimit();
    // Stops every tone, with the link's boxes held back; the ports of those that may still be on.
    std::vector<ToneTarget> stopEvery(std::vector<ToneTarget>& stopped);
    void tellStopped(std::string_view text, const std::vector<ToneTarget>& stopped,
                     const std::vector<ToneTarget>& notStopped);
    void keepAwakeChanged();

    ToneGuard tones_;
    SignalEnd* signalEnd_ = nullptr;
    QTimer timeLimitCheck_;
    std::chrono::milliseconds toneTimeLimit_ = kToneTimeLimit;
    // The starts whose time is up and that could not be stopped: the user has been told.
    std::set<unsigned> toldMayBeOn_;
    bool awake_ = false;
};
