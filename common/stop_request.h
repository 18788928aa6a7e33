// A request to stop from outside: Ctrl+C, or a signal that would end the program (SIGINT,
// SIGTERM, SIGHUP; on Windows Ctrl+C, Ctrl+Break, closing the console, and a log-off or
// shut-down, which a console program hears at a hidden window of its own); and Ctrl+Z (SIGTSTP),
// which asks it to pause. While a StopRequest lives these no longer end or stop the program at
// once: they are noted and wake a wait, so that the program can finish what must not be left
// half done (an upload and its check) or put the tracker right (switch a tone off) first. A
// signal the program was started with ignored (nohup, a background job) stays ignored. The signal
// handling is the process's own, so there is one StopRequest at a time.
#pragma once

#include <chrono>

class StopRequest {
  public:
    StopRequest();
    // Gives the signals back their earlier handling; a stop noted and not acted on is dropped.
    ~StopRequest();
    StopRequest(const StopRequest&) = delete;
    StopRequest& operator=(const StopRequest&) = delete;

    // Waits until the time is up or a stop or pause is asked for; true when one has been.
    bool waitFor(std::chrono::milliseconds time);
    bool requested() const;
    // Notes a stop as SIGTERM would, for one that comes another way: the end of a Windows
    // session, which a program with windows hears as a message to them.
    void request();

    // Ctrl+Z asked the program to pause, and it has not yet paused for it. Never on Windows.
    bool pauseRequested() const;
    // Pauses the program as Ctrl+Z would have (the shell sees it stopped) and returns once it is
    // continued (fg, SIGCONT); the pause is no longer asked for then. Nothing when none is.
    void pauseAsRequested();
    // Drops the pause asked for, for a program that could not put things right first (a tone
    // that would stay keyed while it is stopped): it goes on, so that it can be stopped yet.
    void refusePause();
    // What a program ends with whose work a pause cut short (a timed tone, stopped for it):
    // 128 + SIGTSTP, what the shell reported for it while it was stopped.
    static int pausedExitStatus();

    // A descriptor that becomes readable once a stop or pause is asked for, for an event loop to
    // watch (a QSocketNotifier); -1 where there is none (Windows, or no pipe to be had).
    int wakeDescriptor() const;

    // After a stop was asked for and the program has put things right: ends the program as the
    // signal would have (the shell sees the signal, so a script stops at Ctrl+C too).
    [[noreturn]] void endAsRequested();
};
