// A user outside every group a device may belong to (nobody), for tests of what the system
// refuses other users. Changing to it takes root; tests skip, saying so, where that fails.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>

inline constexpr uid_t kOtherUser = 65534;
inline constexpr const char* kCannotChangeUser = "cannot change to another user (not root?)";

// Turns the calling process into the other user; false when the system does not allow it.
inline bool becomeOtherUser() {
    return ::setgroups(0, nullptr) == 0 && ::setgid(kOtherUser) == 0 && ::setuid(kOtherUser) == 0;
}

// The check's answer, run in a child process as the other user; nothing when the child could
// not become that user.
inline std::optional<bool> checkAsOtherUser(const std::function<bool()>& check) {
    constexpr int kYes = 0, kNo = 1, kNoUser = 2;
    if (::geteuid() != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(!becomeOtherUser() ? kNoUser : check() ? kYes : kNo);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == kNoUser) {
        return std::nullopt;
    }
    return WEXITSTATUS(status) == kYes;
}
