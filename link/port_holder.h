// Who holds a serial device, where the system lets that be known: the process that a live UUCP
// lock file names, or on Linux the one holding flock() on it (from /proc/locks). Unix-like
// systems only.
#pragma once

#include <optional>
#include <string_view>

#include "port_failure.h"

namespace port_holder {

// The holder with that process id, named as the system names the process (Linux:
// /proc/<pid>/comm). A pid of 0 gives the holder that does not say who it is.
PortHolder holderWithPid(long pid);

// The process holding flock() on the device (Linux); nothing when none does, or elsewhere.
std::optional<PortHolder> flockHolder(std::string_view devicePath);

// Another program's hold on the device, by a live UUCP lock file or by flock(), found without
// opening the device; nothing when neither is there.
std::optional<PortHolder> otherProgramsHold(std::string_view devicePath);

}  // namespace port_holder
