#include "device_users.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

#ifdef __linux__
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <memory>
#endif

namespace device_users {

namespace {

// Fields of the stat line, counted from 1 for the pid; the state, field 3, is the first after
// the name.
constexpr int kFirstFieldAfterName = 3;
constexpr int kTerminalField = 7;

// The kernel's encoding of a device number in tty_nr: minor bits 0-7 in bits 0-7, the major in
// bits 8-19, minor bits 8-19 in bits 20-31.
constexpr unsigned long long kMinorLowMask = 0xff;
constexpr int kMajorShift = 8;
constexpr unsigned long long kMajorMask = 0xfff;
constexpr int kMinorHighShift = 12;
constexpr unsigned long long kMinorHighMask = 0xfff00;

bool isBlank(char c) {
    return c == ' ' || c == '\n';
}

template <class Number>
bool parseNumber(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::optional<dev_t> controllingTerminal(std::string_view statLine) {
    const std::size_t nameEnd = statLine.rfind(')');
    if (nameEnd == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = statLine.substr(nameEnd + 1);
    std::string_view field;
    for (int number = kFirstFieldAfterName; number <= kTerminalField; ++number) {
        while (!rest.empty() && isBlank(rest.front()))
            rest.remove_prefix(1);
        std::size_t length = 0;
        while (length < rest.size() && !isBlank(rest[length]))
            ++length;
        field = rest.substr(0, length);
        rest.remove_prefix(length);
    }
    // tty_nr is printed as a signed int; its bits are the encoding.
    int terminal = 0;
    if (!parseNumber(field, terminal))
        return std::nullopt;
    const auto bits = static_cast<unsigned long long>(static_cast<unsigned int>(terminal));
    if (bits == 0)
        return dev_t{0};
    const unsigned long long major = (bits >> kMajorShift) & kMajorMask;
    const unsigned long long minor =
        (bits & kMinorLowMask) | ((bits >> kMinorHighShift) & kMinorHighMask);
    return makedev(static_cast<unsigned>(major), static_cast<unsigned>(minor));
}

#ifndef __linux__

std::vector<long> findUsers(std::span<const dev_t> devices) {
    return std::vector<long>(devices.size(), 0);
}

#else

namespace {

constexpr const char* kProcRoot = "/proc";
// Pseudo-terminals: the majors of their slaves (/dev/pts/N, numbered by the minor), and the
// multiplexer (/dev/ptmx) every master is opened from; its fdinfo names the terminal's number.
constexpr unsigned kPtySlaveFirstMajor = 136;
constexpr unsigned kPtySlaveLastMajor = 143;
constexpr unsigned kPtySlaveMinorsPerMajor = 256;
constexpr unsigned kPtyMultiplexerMajor = 5;
constexpr unsigned kPtyMultiplexerMinor = 2;
constexpr std::string_view kPtyIndexKey = "tty-index:";
// Where sysfs says what kind of device a device number is: a link whose last part is the
// subsystem's name.
constexpr const char* kSysfsCharDevices = "/sys/dev/char/";
constexpr const char* kSysfsSubsystem = "/subsystem";
constexpr std::string_view kTerminalSubsystem = "/tty";
// Enough for the fields up to the terminal, with a long kernel thread name before them.
constexpr std::size_t kStatRead = 512;
// Room for a few hundred descriptors at a time, and the most one directory entry takes.
constexpr std::size_t kDirectoryRead = 16384;
constexpr std::size_t kLargestEntry = sizeof(dirent64) + NAME_MAX + 1;
// An fdinfo is a few short lines.
constexpr std::size_t kFdInfoRead = 512;

struct DirectoryCloser {
    void operator()(DIR* directory) const { ::closedir(directory); }
};
using Directory = std::unique_ptr<DIR, DirectoryCloser>;

// The pseudo-terminal number of a slave device; nothing for any other device.
std::optional<unsigned> ptyIndex(dev_t device) {
    const unsigned deviceMajor = major(device);
    if (deviceMajor < kPtySlaveFirstMajor || deviceMajor > kPtySlaveLastMajor)
        return std::nullopt;
    return (deviceMajor - kPtySlaveFirstMajor) * kPtySlaveMinorsPerMajor + minor(device);
}

// Only terminals are looked for: every program has /dev/null open. Pseudo-terminal slaves have
// no place in sysfs; a device sysfs does not know may be a terminal too.
bool mayBeTerminal(dev_t device) {
    if (ptyIndex(device))
        return true;
    const std::string link = kSysfsCharDevices + std::to_string(major(device)) + ":" +
                             std::to_string(minor(device)) + kSysfsSubsystem;
    std::array<char, PATH_MAX> target{};
    const ssize_t n = ::readlink(link.c_str(), target.data(), target.size());
    if (n <= 0)
        return true;
    return std::string_view(target.data(), static_cast<std::size_t>(n))
        .ends_with(kTerminalSubsystem);
}

bool isPtyMultiplexer(dev_t device) {
    return major(device) == kPtyMultiplexerMajor && minor(device) == kPtyMultiplexerMinor;
}

// Up to buffer's size of a file under /proc; empty when it cannot be read.
template <std::size_t N>
std::string_view readProcFile(int proc, const std::string& path, std::array<char, N>& buffer) {
    const int fd = ::openat(proc, path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    const ssize_t n = ::read(fd, buffer.data(), buffer.size());
    ::close(fd);
    return n > 0 ? std::string_view(buffer.data(), static_cast<std::size_t>(n))
                 : std::string_view();
}

// The pseudo-terminal a master descriptor of the process leads to.
std::optional<unsigned> masterIndex(int proc, const std::string& pid, std::string_view fd) {
    std::array<char, kFdInfoRead> buffer{};
    const std::string_view info = readProcFile(proc, pid + "/fdinfo/" + std::string(fd), buffer);
    const std::size_t key = info.find(kPtyIndexKey);
    if (key == std::string_view::npos)
        return std::nullopt;
    std::string_view value = info.substr(key + kPtyIndexKey.size());
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
    value = value.substr(0, value.find('\n'));
    unsigned index = 0;
    if (!parseNumber(value, index))
        return std::nullopt;
    return index;
}

// One process: which of the devices it uses, as flags beside the devices.
class ProcessUses {
  public:
    ProcessUses(int proc, std::string pid, std::span<const dev_t> devices)
        : proc_(proc), pid_(std::move(pid)), devices_(devices), uses_(devices.size(), false) {}

    // Every descriptor it has open, where we may look (our own user's processes, or all as
    // root); false where we may not. The pseudo-terminals whose master it holds are left out.
    bool addDescriptors() {
        const int directory =
            ::openat(proc_, (pid_ + "/fd").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (directory < 0)
            return false;
        std::vector<std::string> masters;
        // Where the system lets us list the descriptors but not follow them (a process we may
        // not trace), none of them can be seen.
        bool hidden = false;
        const dirent64* entry = nullptr;
        // The entries straight from the kernel: a DIR would cost two more calls a process.
        alignas(dirent64) std::array<char, kDirectoryRead> buffer;
        for (;;) {
            const ssize_t n = ::getdents64(directory, buffer.data(), buffer.size());
            if (n <= 0)
                break;
            for (ssize_t offset = 0; offset < n && !hidden; offset += entry->d_reclen) {
                entry = reinterpret_cast<const dirent64*>(buffer.data() + offset);
                if (entry->d_name[0] != '.')
                    hidden = !addDescriptor(directory, entry->d_name, masters);
            }
            // /proc lists a process's descriptors until the buffer has no room for another:
            // with room left over, that was all of them.
            if (hidden || static_cast<std::size_t>(n) + kLargestEntry < buffer.size())
                break;
        }
        ::close(directory);
        leaveOutFarEnds(masters);
        return !hidden;
    }

    void addTerminal(dev_t terminal) { mark(terminal); }

    bool uses(std::size_t i) const { return uses_[i]; }

  private:
    // False when the descriptor may not be looked at.
    bool addDescriptor(int directory, const char* name, std::vector<std::string>& masters) {
        struct stat file {};
        // Follows the descriptor's link to the file it has open.
        if (::fstatat(directory, name, &file, 0) != 0)
            return errno != EACCES && errno != EPERM;
        if (!S_ISCHR(file.st_mode))
            return true;
        if (isPtyMultiplexer(file.st_rdev)) {
            masters.emplace_back(name);
        } else {
            mark(file.st_rdev);
        }
        return true;
    }

    void leaveOutFarEnds(const std::vector<std::string>& masters) {
        for (std::size_t i = 0; i < devices_.size(); ++i) {
            if (!uses_[i] || !ptyIndex(devices_[i]))
                continue;
            for (const std::string& master : masters) {
                if (masterIndex(proc_, pid_, master) == ptyIndex(devices_[i]))
                    uses_[i] = false;
            }
        }
    }

    void mark(dev_t device) {
        for (std::size_t i = 0; i < devices_.size(); ++i) {
            if (device != 0 && devices_[i] == device)
                uses_[i] = true;
        }
    }

    int proc_;
    std::string pid_;
    std::span<const dev_t> devices_;
    std::vector<bool> uses_;
};

bool isPid(const char* name) {
    if (*name == '\0')
        return false;
    for (; *name != '\0'; ++name) {
        if (*name < '0' || *name > '9')
            return false;
    }
    return true;
}

}  // namespace

std::vector<long> findUsers(std::span<const dev_t> devices) {
    std::vector<long> users(devices.size(), 0);
    std::vector<dev_t> terminals;
    for (const dev_t device : devices)
        terminals.push_back(mayBeTerminal(device) ? device : 0);
    devices = terminals;
    std::size_t unfound =
        devices.size() - static_cast<std::size_t>(std::count(devices.begin(), devices.end(), 0));
    const Directory proc(unfound > 0 ? ::opendir(kProcRoot) : nullptr);
    if (!proc)
        return users;
    const int procFd = ::dirfd(proc.get());
    const long self = ::getpid();
    while (const dirent* entry = ::readdir(proc.get())) {
        if (!isPid(entry->d_name))
            continue;
        long pid = 0;
        if (!parseNumber(std::string_view(entry->d_name), pid) || pid == self)
            continue;
        const std::string name(entry->d_name);
        ProcessUses uses(procFd, name, devices);
        // The controlling terminal is what shows of another user's process (a getty or a login
        // shell on a serial console runs as root): its stat line is for everyone to read. A
        // process whose descriptors show has the terminal open as well.
        if (!uses.addDescriptors()) {
            std::array<char, kStatRead> buffer{};
            const std::optional<dev_t> terminal =
                controllingTerminal(readProcFile(procFd, name + "/stat", buffer));
            // A process that has ended since the listing has no stat left, and uses nothing.
            if (!terminal)
                continue;
            uses.addTerminal(*terminal);
        }
        for (std::size_t i = 0; i < devices.size(); ++i) {
            if (users[i] == 0 && uses.uses(i)) {
                users[i] = pid;
                --unfound;
            }
        }
        if (unfound == 0)
            break;
    }
    return users;
}

#endif

}  // namespace device_users
