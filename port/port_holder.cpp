#include "port_holder.h"

#include <sys/stat.h>
#ifdef __linux__
#include <sys/sysmacros.h>
#endif
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "device_users.h"
#include "uucp_lock.h"

namespace port_holder {

namespace {

constexpr const char* kLocksTable = "/proc/locks";
constexpr std::string_view kFlockType = "FLOCK";
// The file a lock is on: the major and minor device number of its file system in hex, then
// its inode ("00:05:1234").
constexpr const char* kLockedFileFormat = "%x:%x:%llu";
constexpr int kLockedFileFields = 3;

std::string procFile(long pid, std::string_view name) {
    return "/proc/" + std::to_string(pid) + "/" + std::string(name);
}

// A character device (a link such as /dev/serial/by-id/... followed) as the search tells it
// apart; nothing for anything else, or a path that leads nowhere.
std::optional<device_users::Device> characterDevice(const std::string& path) {
    struct stat file {};
    if (::stat(path.c_str(), &file) != 0 || !S_ISCHR(file.st_mode))
        return std::nullopt;
    return device_users::Device{file.st_rdev, file.st_dev};
}

}  // namespace

PortHolder holderWithPid(long pid) {
    PortHolder holder{pid, {}};
    if (pid > 0) {
        std::ifstream comm(procFile(pid, "comm"));
        std::getline(comm, holder.program);
    }
    return holder;
}

std::optional<PortHolder> flockHolder(std::string_view devicePath) {
    struct stat device {};
    if (::stat(std::string(devicePath).c_str(), &device) != 0)
        return std::nullopt;
    // Each line: number, type, ADVISORY or MANDATORY, READ or WRITE, pid, file, range. A
    // program waiting for the lock shows as "->" after the number of the lock it waits for.
    std::ifstream table(kLocksTable);
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string number, type, mode, access, file;
        long pid = 0;
        if (!(fields >> number >> type >> mode >> access >> pid >> file) || type != kFlockType)
            continue;
        unsigned major = 0, minor = 0;
        unsigned long long inode = 0;
        if (std::sscanf(file.c_str(), kLockedFileFormat, &major, &minor, &inode) !=
            kLockedFileFields) {
            continue;
        }
        if (major == major(device.st_dev) && minor == minor(device.st_dev) &&
            inode == device.st_ino) {
            // A pid of another pid namespace shows as 0 here: a holder we cannot name.
            return holderWithPid(pid > 0 ? pid : 0);
        }
    }
    return std::nullopt;
}

std::optional<PortHolder> deviceUser(std::string_view devicePath) {
    const std::optional<device_users::Device> device = characterDevice(std::string(devicePath));
    if (!device)
        return std::nullopt;
    const long pid = device_users::findUsers(std::span(&*device, 1)).front();
    if (pid == 0)
        return std::nullopt;
    return holderWithPid(pid);
}

std::vector<std::optional<PortHolder>> otherProgramsHolds(
    std::span<const std::string> devicePaths) {
    std::vector<std::optional<PortHolder>> holders;
    // The devices that no lock holds, for one look through the processes.
    std::vector<device_users::Device> unlocked;
    std::vector<std::size_t> unlockedIndex;
    for (const std::string& path : devicePaths) {
        if (const std::optional<pid_t> pid =
                uucp_lock::liveLockHolder(path, uucp_lock::StaleLocks::Keep)) {
            holders.push_back(holderWithPid(*pid));
        } else {
            holders.push_back(flockHolder(path));
        }
        if (const std::optional<device_users::Device> device = characterDevice(path);
            !holders.back() && device) {
            unlocked.push_back(*device);
            unlockedIndex.push_back(holders.size() - 1);
        }
    }
    const std::vector<long> users = device_users::findUsers(unlocked);
    for (std::size_t i = 0; i < users.size(); ++i) {
        if (users[i] != 0)
            holders[unlockedIndex[i]] = holderWithPid(users[i]);
    }
    return holders;
}

std::optional<PortHolder> otherProgramsHold(std::string_view devicePath) {
    const std::string path(devicePath);
    return otherProgramsHolds(std::span(&path, 1)).front();
}

}  // namespace port_holder
