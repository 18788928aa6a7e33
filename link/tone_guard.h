// The one way the programs key a tracker's transmitter, and the one way they switch it off.
// Every tone is recorded by its device and speed before its code can go out, so that whatever
// ends it (Stop Sending, the time limit, a close, a signal, Ctrl+Z, the end of the session,
// sleep) finds it, also while a box of the command that sent it is still up. Every stop goes out
// where its tone went, at the tone's own speed, and the program's own hold on that port is no
// obstacle: the stop goes through the link that holds it, or takes the port over from it.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include "tones_on.h"
#include "tracker_link.h"

class ToneGuard {
  public:
    using Tone = TonesOn::Tone;

    ToneGuard() = default;
    ToneGuard(const ToneGuard&) = delete;
    ToneGuard& operator=(const ToneGuard&) = delete;

    // A command's link, known to the guard while the command runs, so that a stop on the port it
    // holds can go through it. Innermost last.
    class InUse {
      public:
        InUse(ToneGuard& guard, CTrackerLink& link);
        ~InUse();
        InUse(const InUse&) = delete;
        InUse& operator=(const InUse&) = delete;

      private:
        ToneGuard& guard_;
    };

    // Sends a tone ('1', '2', '3') through the command's link, aimed where it is to go. The tone
    // counts as on from before its code goes out, and stays so when the command fails after
    // that; a command that failed before leaves the record as the tone command's own first stop
    // left it.
    CTrackerLink::ToneSent start(CTrackerLink& link, char code);
    // Stop Sending on the link's port: each tone recorded on its device is stopped at its own
    // speed, as stop() does. Where none is, the stop goes out once at the link's speed, for a
    // tone of which nothing is known. Failure mark.
    bool stopSending(CTrackerLink& link);
    // The tone of that start, tried again until its stop gets through or the retry time is up.
    // Failure mark: it may still be on. A tone no longer on is no failure.
    bool stop(unsigned start);
    // A tone is recorded on the device the link is aimed at, at any speed.
    bool keyedOn(const CTrackerLink& link) const;
    // The tones on for at least the time, counted with the time asleep.
    std::vector<unsigned> onFor(std::chrono::milliseconds time) const;

    const TonesOn& tones() const { return tones_; }
    // The links of the commands in progress; a program that ends with a command unfinished lets
    // them go (CTrackerLink::abandon) so that nothing of it outlives the program.
    const std::vector<CTrackerLink*>& inUse() const { return inUse_; }

    // Told true when a tone comes on where none was, false when the last one has gone: while one
    // is on, the computer is not to sleep unnoticed.
    void setKeyedListener(std::function<void(bool keyed)> listener);
    bool keyed() const { return !tones_.empty(); }

  private:
    // One try: through the link that holds the port open, else through a link of its own.
    CTrackerLink::ToneSent tryStop(const Tone& tone);
    void changed(bool wasKeyed);

    TonesOn tones_;
    std::vector<CTrackerLink*> inUse_;
    std::function<void(bool)> keyedListener_;
};

// The port a link is aimed at, as a command names it.
PortChoice portOf(const CTrackerLink& link);
// Aims the link at the target: its port and speed.
void aim(CTrackerLink& link, const ToneTarget& target);
