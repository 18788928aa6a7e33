// The computer going to sleep and waking up, so that a tone is stopped and an upload finished
// before it sleeps: a tracker left transmitting would transmit for the whole sleep. On Linux,
// logind on the system bus: while holding, a delay inhibitor makes sleep wait (up to logind's
// InhibitDelayMaxSec, 5 s by default) until aboutToSleep's slots have returned. On Windows, the
// power broadcasts to a hidden window, and holding keeps the system from sleeping for idleness.
// Heard while the thread's event loop runs, once the application object exists; where there is no
// watch, the program goes on without it.
#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <memory>

class SleepWatch : public QObject {
    Q_OBJECT
  public:
    explicit SleepWatch(QObject* parent = nullptr);
    ~SleepWatch() override;
    SleepWatch(const SleepWatch&) = delete;
    SleepWatch& operator=(const SleepWatch&) = delete;

    // Takes or lets go of the inhibitor (while a tone is on or an upload runs); cheap when it
    // asks for what is asked already. Taken again on waking while still asked for.
    void setHolding(bool hold);
    // The same for a program whose event loop does not run while it holds (pelmoxctl, during a
    // tone's command or an upload): asks to hold and waits up to the time for the system's answer
    // (and for one asked for before), so that sleep waits from now on. True when held then.
    bool holdWithin(std::chrono::milliseconds longest);
    // Whether sleep waits for this program now: an inhibitor has been granted and is held.
    bool holding() const;
    // Why sleep does not wait for the program, as a sentence to show; empty where it does.
    QString unavailable() const;

  signals:
    // The computer goes to sleep: whatever must be put right is put right before the slots
    // return, and then the inhibitor is let go.
    void aboutToSleep();
    void resumed();

  private slots:
    // The system's word: going to sleep (true), or awake again (false).
    void sleeping(bool start);

  private:
    class Platform;
    // How long the system has to answer an inhibitor asked for without waiting.
    static constexpr std::chrono::milliseconds kAnswerTime{5000};
    // The platform's part: asks for an inhibitor, giving the system up to the time to answer;
    // waits for the answer to what was asked; lets the inhibitor go.
    void take(std::chrono::milliseconds answerTime = kAnswerTime);
    void awaitAnswer();
    void release();

    std::unique_ptr<Platform> platform_;
    bool wanted_ = false;
    bool asleep_ = false;  // from aboutToSleep to resumed, when no inhibitor is taken
};
