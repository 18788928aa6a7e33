// A request to stop from outside: Ctrl+C, or a signal that would end the program (SIGINT,
// SIGTERM, SIGHUP; on Windows Ctrl+C, Ctrl+Break, closing the console, and a log-off or
// shut-down, which a console program hears at a hidden window of its own). While a StopRequest
// lives these no longer end the program at once: they are noted and wake a wait, so that the
// program can finish what must not be left half done (an upload and its check) or put the
// tracker right (switch a tone off) before it ends. A signal the program was started with
// ignored (nohup, a background job) stays ignored. The signal handling is the process's own, so
// there is one StopRequest at a time.
#pragma once

#include <chrono>

class StopRequest {
  public:
    StopRequest();
    // Gives the signals back their earlier handling; a stop noted and not acted on is dropped.
    ~StopRequest();
    StopRequest(const StopRequest&) = delete;
    StopRequest& operator=(const StopRequest&) = delete;

    // Waits until the time is up or a stop is asked for; true when one has been, now or before.
    bool waitFor(std::chrono::milliseconds time);
    bool requested() const;
    // Notes a stop as SIGTERM would, for one that comes another way: the end of a Windows
    // session, which a program with windows hears as a message to them.
    void request();

    // A descriptor that becomes readable once a stop is asked for, for an event loop to watch
    // (a QSocketNotifier); -1 where there is none (Windows, or no pipe to be had).
    int wakeDescriptor() const;

    // After a stop was asked for and the program has put things right: ends the program as the
    // signal would have (the shell sees the signal, so a script stops at Ctrl+C too).
    [[noreturn]] void endAsRequested();
};
