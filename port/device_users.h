// Processes that use a serial device without any lock: those with a descriptor open on it, or
// whose controlling terminal it is (a getty, a login shell on a serial console), found in /proc
// as fuser finds them. Linux only; elsewhere nobody is found, and a port is guarded by lock files
// and exclusive opens alone. What the system hides is not seen either: the open descriptors of
// another user's processes (unless we are root), processes of other pid namespaces.
// Pseudo-terminals are numbered per devpts instance, so a container's /dev/pts/3 and the host's
// carry the same device number: for them, only a descriptor on the same instance counts.
// A descriptor is told from the name its file was opened by: only what is named in a directory
// called dev (or, a pseudo-terminal, by its number in one called pts) is asked what it is, and
// then only what the system knows of it already, so that no file on a network mount whose
// server is gone keeps the search waiting.
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

// A device as a holder's descriptor shows it: its number, and the file system its node is on
// (for a pseudo-terminal, its devpts instance).
struct Device {
    dev_t number = 0;      // st_rdev
    dev_t filesystem = 0;  // st_dev

    friend bool operator==(const Device&, const Device&) = default;
};

// The file system on /dev/pts as a process sees it, from its /proc/<pid>/mountinfo, whose lines
// give the st_dev of a file system as their third field ("0:24") and where it is mounted, from
// the process's root, as their fifth; the last one mounted there covers those before it.
// Nothing when none is.
std::optional<dev_t> ptyFilesystem(std::string_view mountInfo);

// For each device, the pid of a process other than this one that has the device open (where its
// descriptors show: our own user's processes, or all as root) or else as its controlling
// terminal; 0 where there is none, and for devices that are no terminals (every program has
// /dev/null open). A process that holds the master side of a pseudo-terminal is that line's far
// end (a terminal window, a simulated device), not its user. A controlling terminal shows as a
// number only: for a pseudo-terminal it counts where the device's devpts instance is the one on
// the process's own /dev/pts, for any other terminal always.
std::vector<long> findUsers(std::span<const Device> devices);

}  // namespace device_users
