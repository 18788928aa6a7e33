// Who holds a serial device, where the system lets that be known: the process that a live UUCP
// lock file names, and on Linux the one holding flock() on it (from /proc/locks) or one that has
// it open or as its controlling terminal without any lock. Unix-like systems only.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "port_failure.h"

namespace port_holder {

// The holder with that process id, named as the system names the process (Linux:
// /proc/<pid>/comm). A pid of 0 gives the holder that does not say who it is.
PortHolder holderWithPid(long pid);

// The process holding flock() on the device (Linux); nothing when none does, or elsewhere.
std::optional<PortHolder> flockHolder(std::string_view devicePath);

// A process other than this one that has the device open, or as its controlling terminal
// (Linux); nothing when none does, or elsewhere.
std::optional<PortHolder> deviceUser(std::string_view devicePath);

// Another program's hold on each device, by a live UUCP lock file, by flock() or by a process
// that has it open, found without opening the devices; nothing where there is none.
std::vector<std::optional<PortHolder>> otherProgramsHolds(std::span<const std::string> devicePaths);
std::optional<PortHolder> otherProgramsHold(std::string_view devicePath);

}  // namespace port_holder
