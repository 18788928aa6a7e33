// The tones the program has started and not yet stopped, each kept by where it went: the device,
// compared by what its name resolves to (COM1, /dev/ttyS0 and a /dev/serial/by-id link to it are
// one device), and the speed it was sent at, for a tracker hears a stop only at its own speed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "boot_clock.h"
#include "port_choice.h"

// Where a command talks: the port as the port box named it, and the line speed.
struct ToneTarget {
    PortChoice port;
    int baud = 0;
};

class TonesOn {
  public:
    struct Tone {
        ToneTarget target;
        std::string device;  // the port's device as it resolved when the tone was sent
        unsigned start = 0;  // which start it was, so that an earlier time-out leaves it alone
        BootClock::time_point since{};
    };

    // A tone that may be on at the target from now on, in place of one at the same place; the
    // number of this start.
    unsigned noteOn(const ToneTarget& target);
    // The tone at the target went off (a stop got through there).
    void noteOff(const ToneTarget& target);
    // The tone of that start, while it is still on and has not been started again since.
    std::optional<Tone> started(unsigned start) const;
    void forget(unsigned start);
    // The tone recorded where the target is, and a tone put back as it was.
    std::optional<Tone> at(const ToneTarget& target) const;
    void put(const Tone& tone);
    // The starts of every tone on, oldest first: a copy, as the stops that walk it show boxes, in
    // which a time-out may change the list.
    std::vector<unsigned> starts() const;
    bool empty() const { return tones_.empty(); }

  private:
    std::vector<Tone>::iterator find(const std::string& device, int baud);

    std::vector<Tone> tones_;
    unsigned starts_ = 0;
};

// The device a port names, as the system resolves it: a link followed to its device, a bare
// name put in /dev; on Windows the name in capitals.
std::string resolvedDevice(const PortChoice& port);
