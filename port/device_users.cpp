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

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <memory>
#include <system_error>
#include <thread>
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

// The blank-separated fields of a line, one after the other.
class Fields {
  public:
    explicit Fields(std::string_view line) : rest_(line) {}
    // The next field; empty after the last.
    std::string_view next() {
        while (!rest_.empty() && isBlank(rest_.front()))
            rest_.remove_prefix(1);
        std::size_t length = 0;
        while (length < rest_.size() && !isBlank(rest_[length]))
            ++length;
        const std::string_view field = rest_.substr(0, length);
        rest_.remove_prefix(length);
        return field;
    }

  private:
    std::string_view rest_;
};

// Each line of a table, without its line break.
template <class Visit>
void forEachLine(std::string_view text, Visit visit) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (visit(text.substr(0, end)))
            return;
        if (end == std::string_view::npos)
            return;
        text.remove_prefix(end + 1);
    }
}

// Where a process's pseudo-terminals live.
constexpr std::string_view kPtyMountPoint = "/dev/pts";

}  // namespace

std::optional<dev_t> controllingTerminal(std::string_view statLine) {
    const std::size_t nameEnd = statLine.rfind(')');
    if (nameEnd == std::string_view::npos)
        return std::nullopt;
    Fields fields(statLine.substr(nameEnd + 1));
    std::string_view field;
    for (int number = kFirstFieldAfterName; number <= kTerminalField; ++number)
        field = fields.next();
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

std::optional<dev_t> ptyFilesystem(std::string_view mountInfo) {
    std::optional<dev_t> filesystem;
    forEachLine(mountInfo, [&](std::string_view line) {
        Fields fields(line);
        fields.next();
        fields.next();
        const std::string_view device = fields.next();
        fields.next();
        if (fields.next() != kPtyMountPoint)
            return false;
        const std::size_t colon = device.find(':');
        unsigned deviceMajor = 0, deviceMinor = 0;
        if (colon != std::string_view::npos && parseNumber(device.substr(0, colon), deviceMajor) &&
            parseNumber(device.substr(colon + 1), deviceMinor)) {
            filesystem = makedev(deviceMajor, deviceMinor);
        }
        return false;
    });
    return filesystem;
}

#ifndef __linux__

std::vector<long> findUsers(std::span<const Device> devices) {
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
// Every terminal driver with its major and its minors, one a line, the last three fields
// "4 64-111 serial"; readable by everyone, with or without /sys. Under /proc.
constexpr const char* kTerminalDrivers = "tty/drivers";
constexpr char kMinorRangeSeparator = '-';
constexpr int kDriverTrailingFields = 3;
// Room for the drivers of a machine with many kinds of serial port.
constexpr std::size_t kDriversRead = 16384;
// Enough for the fields up to the terminal, with a long kernel thread name before them.
constexpr std::size_t kStatRead = 512;
// Room for a few hundred descriptors at a time, and the most one directory entry takes.
constexpr std::size_t kDirectoryRead = 16384;
constexpr std::size_t kLargestEntry = sizeof(dirent64) + NAME_MAX + 1;
// The positions of "." and ".." before the descriptors in a listing.
constexpr int kDotEntries = 2;
// An fdinfo is a few short lines.
constexpr std::size_t kFdInfoRead = 512;
// A mount table is read in pieces of this size.
constexpr std::size_t kMountInfoRead = 16384;
// "<pid>/fdinfo/<descriptor>" and the like.
constexpr std::size_t kProcPathRoom = 64;
// A descriptor's number as text.
constexpr std::size_t kDescriptorNameRoom = 16;
// Fewer processes than this are looked through by one thread alone: starting another costs
// more than it saves.
constexpr std::size_t kProcessesPerPart = 256;
constexpr std::size_t kMostParts = 4;

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

bool isPtyMultiplexer(dev_t device) {
    return major(device) == kPtyMultiplexerMajor && minor(device) == kPtyMultiplexerMinor;
}

// What a descriptor's link in /proc says of its file: the path it was opened by, or for what
// has none a kind and a number ("pipe:[4711]", "socket:[...]", "anon_inode:[eventfd]").
// The directories and names that a terminal can have there, as devtmpfs, devpts and udev name
// them, or a container or a chroot that has its own /dev.
constexpr std::string_view kDeletedSuffix = " (deleted)";
constexpr std::string_view kDeviceDirectory = "dev";
constexpr std::string_view kPtyDirectory = "pts";
constexpr std::string_view kPtyMultiplexerName = "ptmx";
// The memory devices that every program has open and that no terminal is called.
constexpr std::array<std::string_view, 6> kMemoryDevices = {"null",   "zero",    "full",
                                                            "random", "urandom", "kmsg"};

// The last part of a path and what comes before it.
std::pair<std::string_view, std::string_view> splitLast(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return {std::string_view(), path};
    return {path.substr(0, slash), path.substr(slash + 1)};
}

// Up to buffer's size of a file under /proc; empty when it cannot be read.
template <std::size_t N>
std::string_view readProcFile(int proc, const char* path, std::array<char, N>& buffer) {
    const int fd = ::openat(proc, path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    std::size_t filled = 0;
    while (filled < buffer.size()) {
        const ssize_t n = ::read(fd, buffer.data() + filled, buffer.size() - filled);
        if (n <= 0)
            break;
        filled += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return std::string_view(buffer.data(), filled);
}

// The devices the kernel's terminal drivers serve. Only terminals are looked for: every program
// has /dev/null open.
class TerminalDrivers {
  public:
    static TerminalDrivers read(int proc) {
        TerminalDrivers drivers;
        std::array<char, kDriversRead> buffer{};
        const std::string_view table = readProcFile(proc, kTerminalDrivers, buffer);
        drivers.known_ = !table.empty();
        forEachLine(table, [&](std::string_view line) {
            std::array<std::string_view, kDriverTrailingFields> last{};
            Fields fields(line);
            for (std::string_view field = fields.next(); !field.empty(); field = fields.next()) {
                std::rotate(last.begin(), last.begin() + 1, last.end());
                last.back() = field;
            }
            const std::string_view minors = last[1];
            const std::size_t dash = minors.find(kMinorRangeSeparator);
            Range range{};
            const bool parsed =
                parseNumber(last[0], range.major) &&
                parseNumber(minors.substr(0, dash), range.firstMinor) &&
                parseNumber(dash == std::string_view::npos ? minors.substr(0, dash)
                                                           : minors.substr(dash + 1),
                            range.lastMinor);
            if (parsed)
                drivers.ranges_.push_back(range);
            return false;
        });
        return drivers;
    }

    // A device no driver claims is no terminal; where the table cannot be read, any may be.
    bool mayBeTerminal(dev_t device) const {
        if (!known_)
            return true;
        return std::any_of(ranges_.begin(), ranges_.end(), [&](const Range& range) {
            return major(device) == range.major && minor(device) >= range.firstMinor &&
                   minor(device) <= range.lastMinor;
        });
    }

  private:
    struct Range {
        unsigned major = 0;
        unsigned firstMinor = 0;
        unsigned lastMinor = 0;
    };
    bool known_ = false;
    std::vector<Range> ranges_;
};

// Which of the devices each process uses, one process after the other; its buffers serve every
// process, so that the search allocates nothing per process.
class ProcessSearch {
  public:
    ProcessSearch(int proc, std::span<const Device> devices)
        : proc_(proc), devices_(devices), uses_(devices.size(), 0) {
        // This process has descriptors open (one on /proc itself): where they are not counted,
        // the kernel counts none.
        struct stat own {};
        countsDescriptors_ = ::fstatat(proc, "self/fd", &own, 0) == 0 && own.st_size > 0;
        for (const Device& device : devices) {
            if (const std::optional<unsigned> index = ptyIndex(device.number))
                ptyIndices_.push_back(*index);
        }
    }

    void look(long pid) {
        std::fill(uses_.begin(), uses_.end(), 0);
        masters_.clear();
        // The controlling terminal is what shows of another user's process (a getty or a login
        // shell on a serial console runs as root): its stat line is for everyone to read. A
        // process whose descriptors show has the terminal open as well.
        if (!addDescriptors(pid)) {
            addTerminal(pid);
        } else if (!masters_.empty()) {
            leaveOutFarEnds(pid);
        }
    }

    bool uses(std::size_t i) const { return uses_[i] != 0; }

  private:
    const char* procPath(long pid, const char* what, int descriptor = -1) {
        if (descriptor < 0) {
            std::snprintf(path_.data(), path_.size(), "%ld/%s", pid, what);
        } else {
            std::snprintf(path_.data(), path_.size(), "%ld/%s/%d", pid, what, descriptor);
        }
        return path_.data();
    }

    // What became of the look at one descriptor.
    enum class Look { Seen, Hidden, Closed };

    // Every descriptor it has open, where we may look (our own user's processes, or all as
    // root); false where we may not. The masters of pseudo-terminals are kept for later.
    bool addDescriptors(long pid) {
        const int directory =
            ::openat(proc_, procPath(pid, "fd"), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (directory < 0)
            return false;
        // The directory's size is the number of descriptors (Linux 6.2 on; 0 before): once that
        // many have been seen there are none left to list. A kernel thread has none.
        struct stat listing {};
        const int count = ::fstat(directory, &listing) == 0 && listing.st_size < INT_MAX
                              ? static_cast<int>(listing.st_size)
                              : 0;
        if (count == 0 && countsDescriptors_) {
            ::close(directory);
            return true;
        }
        numbers_.clear();
        followed_ = 0;
        int gap = 0;
        Look look = count > 0 ? addProbed(directory, count, gap) : Look::Closed;
        if (look == Look::Closed)
            look = addListed(directory, gap);
        ::close(directory);
        if (look == Look::Hidden)
            return false;
        std::sort(numbers_.begin(), numbers_.end());
        std::swap(numbers_, previous_);
        return true;
    }

    // Looks at the descriptors where they are likely to be until count of them have been seen:
    // first at the numbers the process before had open, up to the first of them this one has
    // not (the programs a program starts have much the same descriptors, and follow it in
    // /proc), then upward from 0. At the first number found not open the rest are listed from
    // there on (Closed, and gap is that number): a look at a number that is not open costs
    // nearly as much as a look at a descriptor, the listing from it about as much again, and a
    // gap may be long. What was seen is in numbers_, those at the numbers of the process before
    // first and in order.
    Look addProbed(int directory, int count, int& gap) {
        const auto seen = [&] { return numbers_.size() >= static_cast<std::size_t>(count); };
        // Where the numbers of the process before ran out: not open here, and not asked again.
        int closed = -1;
        for (const int number : previous_) {
            if (seen())
                return Look::Seen;
            const Look look = addDescriptor(directory, number);
            if (look == Look::Hidden)
                return look;
            if (look == Look::Closed) {
                closed = number;
                break;
            }
            numbers_.push_back(number);
        }
        followed_ = numbers_.size();
        for (int number = 0; !seen(); ++number) {
            if (followed(number))
                continue;
            const Look look = number == closed ? Look::Closed : addDescriptor(directory, number);
            if (look != Look::Seen) {
                gap = number;
                return look;
            }
            numbers_.push_back(number);
        }
        return Look::Seen;
    }

    // Whether a number was looked at among those the process before had open.
    bool followed(int number) const {
        const auto end = numbers_.begin() + static_cast<std::ptrdiff_t>(followed_);
        return std::binary_search(numbers_.begin(), end, number);
    }

    // The descriptors the listing names from first on, but for those looked at already.
    Look addListed(int directory, int first) {
        // The listing gives "." and ".." first, then the descriptors from the one numbered
        // (position - 2) on. Where it cannot start there, it starts from the top and the
        // numbers below first are passed over.
        if (first > 0)
            ::lseek(directory, first + kDotEntries, SEEK_SET);
        // Where the system lets us list the descriptors but not follow them (a process we may
        // not trace), none of them can be seen.
        bool hidden = false;
        const dirent64* entry = nullptr;
        // The entries straight from the kernel: a DIR would cost two more calls a process.
        for (;;) {
            const ssize_t n = ::getdents64(directory, entries_.data(), entries_.size());
            if (n <= 0)
                break;
            for (ssize_t offset = 0; offset < n && !hidden; offset += entry->d_reclen) {
                entry = reinterpret_cast<const dirent64*>(entries_.data() + offset);
                int number = 0;
                if (entry->d_name[0] == '.' ||
                    !parseNumber(std::string_view(entry->d_name), number) || number < first ||
                    followed(number))
                    continue;
                const Look look = addDescriptor(directory, entry->d_name);
                hidden = look == Look::Hidden;
                if (look == Look::Seen)
                    numbers_.push_back(number);
            }
            // /proc lists a process's descriptors until the buffer has no room for another:
            // with room left over, that was all of them.
            if (hidden || static_cast<std::size_t>(n) + kLargestEntry < entries_.size())
                break;
        }
        return hidden ? Look::Hidden : Look::Seen;
    }

    static Look failedLook() {
        return errno == EACCES || errno == EPERM ? Look::Hidden : Look::Closed;
    }

    // Whether the file a descriptor's link names can be one of the devices, from the name
    // alone: the file itself is not asked, for one on a network mount whose server is gone (or
    // a FUSE file system that does not answer) would keep the search waiting. A terminal is
    // named in a directory called dev (the system's, a chroot's or a container's); in one
    // called pts, by its number.
    bool mayBeSought(std::string_view target) const {
        if (target.ends_with(kDeletedSuffix))
            target.remove_suffix(kDeletedSuffix.size());
        if (!target.starts_with('/'))
            return false;
        const auto [directory, name] = splitLast(target);
        const std::string_view directoryName = splitLast(directory).second;
        if (name == kPtyMultiplexerName)
            return !ptyIndices_.empty() &&
                   (directoryName == kDeviceDirectory || directoryName == kPtyDirectory);
        if (directoryName == kPtyDirectory) {
            unsigned index = 0;
            return parseNumber(name, index) &&
                   std::find(ptyIndices_.begin(), ptyIndices_.end(), index) != ptyIndices_.end();
        }
        return directoryName == kDeviceDirectory &&
               std::find(kMemoryDevices.begin(), kMemoryDevices.end(), name) ==
                   kMemoryDevices.end();
    }

    Look addDescriptor(int directory, int number) {
        std::array<char, kDescriptorNameRoom> name{};
        std::to_chars(name.data(), name.data() + name.size() - 1, number);
        return addDescriptor(directory, name.data());
    }

    Look addDescriptor(int directory, const char* name) {
        const ssize_t length = ::readlinkat(directory, name, target_.data(), target_.size());
        if (length < 0)
            return failedLook();
        if (!mayBeSought(std::string_view(target_.data(), static_cast<std::size_t>(length))))
            return Look::Seen;
        // Follows the link to the file, with what the system knows of it already: a directory
        // called dev may still be on a network mount.
        struct statx file {};
        if (::statx(directory, name, AT_STATX_DONT_SYNC, STATX_TYPE, &file) != 0)
            return failedLook();
        if (!S_ISCHR(file.stx_mode))
            return Look::Seen;
        const dev_t number = makedev(file.stx_rdev_major, file.stx_rdev_minor);
        const dev_t filesystem = makedev(file.stx_dev_major, file.stx_dev_minor);
        if (isPtyMultiplexer(number)) {
            int descriptor = 0;
            if (parseNumber(std::string_view(name), descriptor))
                masters_.push_back(descriptor);
            return Look::Seen;
        }
        for (std::size_t i = 0; i < devices_.size(); ++i) {
            const Device& device = devices_[i];
            if (device.number != 0 && number == device.number &&
                (!ptyIndex(device.number) || filesystem == device.filesystem)) {
                uses_[i] = 1;
            }
        }
        return Look::Seen;
    }

    // The pseudo-terminal a master descriptor of the process leads to.
    std::optional<unsigned> masterIndex(long pid, int descriptor) {
        std::array<char, kFdInfoRead> buffer{};
        const std::string_view info =
            readProcFile(proc_, procPath(pid, "fdinfo", descriptor), buffer);
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

    void leaveOutFarEnds(long pid) {
        for (std::size_t i = 0; i < devices_.size(); ++i) {
            const std::optional<unsigned> index = ptyIndex(devices_[i].number);
            if (!uses_[i] || !index)
                continue;
            for (const int master : masters_) {
                if (masterIndex(pid, master) == index)
                    uses_[i] = 0;
            }
        }
    }

    // A controlling terminal is a number without its file system. A pseudo-terminal of that
    // number is ours only where the process's own /dev/pts is our devpts instance: a
    // container's /dev/pts/3 (or a chroot's with a devpts of its own) is not the host's. Its
    // mount namespace (/proc/<pid>/ns/mnt) would not tell a chroot from the host, and the system
    // hides it from exactly the processes whose descriptors are hidden; the mount table, as the
    // process sees it from its root, is for everyone to read.
    void addTerminal(long pid) {
        std::array<char, kStatRead> buffer{};
        const std::optional<dev_t> terminal =
            controllingTerminal(readProcFile(proc_, procPath(pid, "stat"), buffer));
        // A process that has ended since the listing has no stat left, and uses nothing.
        if (!terminal || *terminal == 0)
            return;
        std::optional<std::optional<dev_t> > ownPtys;
        for (std::size_t i = 0; i < devices_.size(); ++i) {
            if (devices_[i].number != *terminal)
                continue;
            if (ptyIndex(*terminal)) {
                if (!ownPtys)
                    ownPtys = ptyFilesystem(mountTable(pid));
                if (*ownPtys != devices_[i].filesystem)
                    continue;
            }
            uses_[i] = 1;
        }
    }

    std::string mountTable(long pid) {
        std::string table;
        const int fd = ::openat(proc_, procPath(pid, "mountinfo"), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return table;
        std::array<char, kMountInfoRead> piece{};
        for (ssize_t n = 0; (n = ::read(fd, piece.data(), piece.size())) > 0;)
            table.append(piece.data(), static_cast<std::size_t>(n));
        ::close(fd);
        return table;
    }

    int proc_;
    std::span<const Device> devices_;
    std::vector<char> uses_;
    std::vector<int> masters_;
    std::vector<unsigned> ptyIndices_;
    bool countsDescriptors_ = false;
    // The numbers of the descriptors seen in the process looked at last, in order, and of those
    // seen in this one; how many of the latter were seen at the former's numbers.
    std::vector<int> previous_;
    std::vector<int> numbers_;
    std::size_t followed_ = 0;
    std::array<char, kProcPathRoom> path_{};
    std::array<char, PATH_MAX> target_{};
    alignas(dirent64) std::array<char, kDirectoryRead> entries_;
};

// The processes to look through, in /proc's order, without this one.
std::vector<long> processIds(DIR* proc) {
    std::vector<long> pids;
    const long self = ::getpid();
    while (const dirent* entry = ::readdir(proc)) {
        long pid = 0;
        if (parseNumber(std::string_view(entry->d_name), pid) && pid != self)
            pids.push_back(pid);
    }
    return pids;
}

// Each device's user among some of the processes; each found one is noted in found, and the
// look ends once every device has been found, here or by another part of the search.
void searchPart(int proc, std::span<const Device> devices, std::span<const long> pids,
                std::span<long> users, std::span<std::atomic<bool> > found) {
    const auto allFound = [&] {
        return std::all_of(found.begin(), found.end(), [](const auto& f) { return f.load(); });
    };
    ProcessSearch search(proc, devices);
    for (const long pid : pids) {
        if (allFound())
            return;
        search.look(pid);
        for (std::size_t i = 0; i < devices.size(); ++i) {
            if (users[i] == 0 && search.uses(i)) {
                users[i] = pid;
                found[i] = true;
            }
        }
    }
}

}  // namespace

std::vector<long> findUsers(std::span<const Device> devices) {
    std::vector<long> users(devices.size(), 0);
    const Directory proc(::opendir(kProcRoot));
    if (!proc)
        return users;
    const int procFd = ::dirfd(proc.get());
    const TerminalDrivers drivers = TerminalDrivers::read(procFd);
    std::vector<Device> terminals;
    for (const Device& device : devices)
        terminals.push_back(drivers.mayBeTerminal(device.number) ? device : Device{});
    // Devices that are no terminals count as found from the start.
    std::vector<std::atomic<bool> > found(terminals.size());
    for (std::size_t i = 0; i < terminals.size(); ++i)
        found[i] = terminals[i].number == 0;
    if (std::all_of(found.begin(), found.end(), [](const auto& f) { return f.load(); }))
        return users;
    const std::vector<long> pids = processIds(proc.get());

    // The look at each process is a handful of calls into /proc that cost some microseconds
    // each; with a thousand processes that is many milliseconds before the port may be opened,
    // so the cores share the processes between them.
    const std::size_t parts = std::clamp<std::size_t>(
        std::min<std::size_t>(pids.size() / kProcessesPerPart, std::thread::hardware_concurrency()),
        1, kMostParts);
    std::vector<std::vector<long> > partUsers(parts, std::vector<long>(terminals.size(), 0));
    const auto partOf = [&](std::size_t part) {
        const std::size_t first = pids.size() * part / parts;
        const std::size_t end = pids.size() * (part + 1) / parts;
        return std::span(pids).subspan(first, end - first);
    };
    std::vector<std::thread> helpers;
    for (std::size_t part = 1; part < parts; ++part) {
        try {
            helpers.emplace_back(searchPart, procFd, std::span<const Device>(terminals),
                                 partOf(part), std::span(partUsers[part]), std::span(found));
        } catch (const std::system_error&) {
            // No thread to be had: this one looks through that part too.
            searchPart(procFd, terminals, partOf(part), partUsers[part], found);
        }
    }
    searchPart(procFd, terminals, partOf(0), partUsers[0], found);
    for (std::thread& helper : helpers)
        helper.join();
    // The first user in /proc's order, as one look through all of them would find.
    for (std::size_t i = 0; i < users.size(); ++i) {
        for (const std::vector<long>& part : partUsers) {
            if (users[i] == 0)
                users[i] = part[i];
        }
    }
    return users;
}

#endif

}  // namespace device_users
