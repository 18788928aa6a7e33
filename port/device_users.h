// Processes that use a serial device without any lock: those with a descriptor open on it, or
// whose controlling terminal it is (a getty, a login shell on a serial console), found in /proc
// as fuser finds them. Linux only; elsewhere nobody is found, and a port is guarded by lock files
// and exclusive opens alone. What the system hides is not seen either: the open descriptors of
// another user's processes (unless we are root), processes of other pid namespaces.
#pragma once

#include <sys/types.h>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace device_users {

// The device number of a process's controlling terminal from its stat line
// ("pid (name) state ppid pgrp session tty_nr ..."); 0 when it has none, nothing when the line is
// not one. The name may hold blanks and parentheses itself, so the fields are counted from the
// last ')'.
std::optional<dev_t> controllingTerminal(std::string_view statLine);

// For each device number, the pid of a process other than this one that has the device open
// (where its descriptors show: our own user's processes, or all as root) or else as its
// controlling terminal; 0 where there is none, and for devices that are no terminals
// (every program has /dev/null open). A process that holds the master side of a pseudo-terminal
// is that line's far end (a terminal window, a simulated device), not its user.
std::vector<long> findUsers(std::span<const dev_t> devices);

}  // namespace device_users
