// pelmoxctl's hold on sleep while a tone is on or an upload runs (the sleep watch's inhibitor).
// No event loop runs while a tone's command or an upload goes out, so the hold is taken with a
// short wait for the system's answer, before the tone's code or the upload's first byte. Where
// sleep cannot wait for the program, says so once, with --verbose only, and the command goes on.
#pragma once

#include <chrono>

#include "sleep_watch.h"

class AwakeHold {
  public:
    // logind answers within milliseconds; one that hangs holds the command up no longer than
    // this, and it goes on without the hold.
    static constexpr std::chrono::milliseconds kAnswerWait{1000};

    explicit AwakeHold(bool verbose) : verbose_(verbose) {}
    AwakeHold(const AwakeHold&) = delete;
    AwakeHold& operator=(const AwakeHold&) = delete;

    void set(bool hold);
    SleepWatch& watch() { return watch_; }

  private:
    SleepWatch watch_;
    bool verbose_;
    bool told_ = false;
};
