#include "uucp_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <limits>

#include <QStandardPaths>

namespace uucp_lock {

namespace {

constexpr std::string_view kLockPrefix = "LCK..";
constexpr std::string_view kDevicePrefix = "/dev/";

// The same directories, in the same order, as Qt Serial Port looks in when it creates the lock
// of its own; /run/lock moved up beside /var/lock, where other programs on Linux put theirs.
constexpr std::string_view kLockDirectories[] = {
    "/var/lock",       "/run/lock", "/etc/locks", "/var/spool/locks",
    "/var/spool/uucp", "/tmp",      "/var/tmp",   "/var/lock/lockdev",
};

// More than any lock file format needs: a pid line, a program name and a host name.
constexpr std::size_t kMaxLockSize = 256;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isProcessAlive(pid_t pid) {
    // EPERM: the process exists but belongs to another user, so it is alive all the same.
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

std::optional<pid_t> decimalPid(std::string_view line) {
    while (!line.empty() && isBlank(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && (isBlank(line.back()) || line.back() == '\r'))
        line.remove_suffix(1);
    if (line.empty() || line.size() > 10)
        return std::nullopt;
    long long value = 0;
    for (const char c : line) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value <= 0 || value > std::numeric_limits<pid_t>::max())
        return std::nullopt;
    return static_cast<pid_t>(value);
}

// Used for a lock that may be live but does not say whose it is.
constexpr pid_t kUnknownHolder = 0;

// The holder of the lock at path when it may be alive: a running process, or one we cannot make
// out (either way not ours to take). Nothing when there is no lock, or its process has ended;
// such a stale lock is removed if asked, unless it was replaced meanwhile.
std::optional<pid_t> checkLock(const std::string& path, StaleLocks stale) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        return kUnknownHolder;
    }
    std::array<char, kMaxLockSize> contents{};
    const ssize_t n = ::read(fd, contents.data(), contents.size());
    struct stat read {};
    const bool statted = ::fstat(fd, &read) == 0;
    ::close(fd);
    if (n < 0 || !statted)
        return kUnknownHolder;

    const std::optional<pid_t> pid =
        holderPid(std::span(contents).first(static_cast<std::size_t>(n)));
    if (!pid)
        return kUnknownHolder;
    if (isProcessAlive(*pid))
        return pid;
    if (stale == StaleLocks::Keep)
        return std::nullopt;
    // Another program may have cleared the same stale lock and written its own since: remove
    // only the very file that was read. If it cannot be removed, the open that follows fails.
    struct stat now {};
    if (::stat(path.c_str(), &now) == 0 && now.st_dev == read.st_dev && now.st_ino == read.st_ino)
        ::unlink(path.c_str());
    return std::nullopt;
}

// The names a lock on this device may carry: the path as given and, when it is a link such as
// /dev/serial/by-id/..., the device it leads to.
std::vector<std::string> lockNames(std::string_view devicePath) {
    std::vector<std::string> names{lockFileName(devicePath)};
    const std::string given(devicePath);
    if (char* real = ::realpath(given.c_str(), nullptr)) {
        std::string resolved = lockFileName(real);
        std::free(real);
        if (resolved != names.front())
            names.push_back(std::move(resolved));
    }
    return names;
}

}  // namespace

std::vector<std::string> lockDirectories() {
    std::vector<std::string> directories(std::begin(kLockDirectories), std::end(kLockDirectories));
    const std::string temp =
        QStandardPaths::writableLocation(QStandardPaths::TempLocation).toStdString();
    if (!temp.empty() && temp != "/tmp")
        directories.push_back(temp);
    return directories;
}

std::string lockFileName(std::string_view devicePath) {
    if (devicePath.starts_with(kDevicePrefix))
        devicePath.remove_prefix(kDevicePrefix.size());
    std::string name(kLockPrefix);
    for (const char c : devicePath)
        name.push_back(c == '/' ? '_' : c);
    return name;
}

std::optional<pid_t> holderPid(std::span<const char> contents) {
    const std::string_view text(contents.data(), contents.size());
    if (const std::optional<pid_t> pid = decimalPid(text.substr(0, text.find('\n'))))
        return pid;
    int binary = 0;
    if (contents.size() == sizeof binary) {
        std::memcpy(&binary, contents.data(), sizeof binary);
        if (binary > 0)
            return static_cast<pid_t>(binary);
    }
    return std::nullopt;
}

std::optional<pid_t> liveLockHolder(std::string_view devicePath, StaleLocks stale) {
    const std::vector<std::string> names = lockNames(devicePath);
    for (const std::string& directory : lockDirectories()) {
        for (const std::string& name : names) {
            if (const std::optional<pid_t> holder = checkLock(directory + "/" + name, stale))
                return holder;
        }
    }
    return std::nullopt;
}

}  // namespace uucp_lock
