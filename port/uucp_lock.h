// UUCP lock files: how programs on Unix-like systems (minicom, Xastir, Qt's own serial ports)
// tell each other that a serial device is in use. A file "LCK..<device>" in a lock directory
// names the holder's process id, as ten ASCII characters or, from older programs, as a binary
// int. Unix-like systems only.
#pragma once

#include <sys/types.h>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace uucp_lock {

// The directories searched for locks, /var/lock and /run/lock first, then the others that Qt
// Serial Port may choose for its own lock.
std::vector<std::string> lockDirectories();

// The lock file's name for a device path, as Qt Serial Port and lockdev write it:
// "/dev/ttyUSB0" -> "LCK..ttyUSB0", "/dev/pts/3" -> "LCK..pts_3".
std::string lockFileName(std::string_view devicePath);

// The holder's process id read from a lock file's contents: the first line as a decimal number
// (blank-padded, as UUCP writes it), or exactly the bytes of a native int. Empty when neither.
std::optional<pid_t> holderPid(std::span<const char> contents);

// What to do with a lock whose process has ended: one about to take the device removes it, one
// that only looks leaves it.
enum class StaleLocks { Remove, Keep };

// A lock on the device, in some lock directory, that may belong to a live process: the process
// id it names when that process is still running, or 0 for a lock whose holder cannot be read
// (empty, unreadable, or not a process id). Nothing when there is none. A live holder's lock is
// never touched.
std::optional<pid_t> liveLockHolder(std::string_view devicePath,
                                    StaleLocks stale = StaleLocks::Remove);

}  // namespace uucp_lock
