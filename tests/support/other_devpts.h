// A devpts instance of its own, as a container has on its /dev/pts: its pseudo-terminals carry
// the same device numbers as the host's. It lives in a child process with a mount namespace of
// its own (unshare -m, then mount -t devpts -o newinstance on /dev/pts), which takes root.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

inline constexpr const char* kCannotMakeDevpts =
    "cannot mount a devpts instance of its own here (not root, or no mount namespaces)";

class OtherDevpts {
  public:
    // Starts the child: inside runs there with the path of the instance's pseudo-terminal of the
    // number asked for ("/dev/pts/N", as the container names it), whose master the child holds.
    OtherDevpts(unsigned number, const std::function<bool(const std::string&)>& inside) {
        if (::geteuid() != 0)
            return;
        child_ = ::fork();
        if (child_ != 0)
            return;
        // Private, so that the new /dev/pts stays in this namespace.
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("devpts", "/dev/pts", "devpts", 0, "newinstance,ptmxmode=0666,mode=0666") != 0)
            ::_exit(kNoInstance);
        // Masters are taken until the instance gives the number asked for; all stay open, but
        // not in the programs the child starts, which would be the lines' far ends then.
        for (unsigned taken = 0; taken <= number; ++taken) {
            const int master = ::open("/dev/pts/ptmx", O_RDWR | O_NOCTTY | O_CLOEXEC);
            unsigned index = 0;
            int unlock = 0;
            if (master < 0 || ::ioctl(master, TIOCGPTN, &index) != 0 ||
                ::ioctl(master, TIOCSPTLCK, &unlock) != 0) {
                ::_exit(kNoInstance);
            }
            if (index == number)
                ::_exit(inside("/dev/pts/" + std::to_string(number)) ? kYes : kNo);
        }
        ::_exit(kNoInstance);
    }
    ~OtherDevpts() {
        if (child_ > 0) {
            ::kill(child_, SIGKILL);
            ::waitpid(child_, nullptr, 0);
        }
    }
    OtherDevpts(const OtherDevpts&) = delete;
    OtherDevpts& operator=(const OtherDevpts&) = delete;

    // False where no child could be started (not root).
    bool started() const { return child_ > 0; }

    // What inside answered; nothing where the instance could not be had.
    std::optional<bool> answer() {
        int status = 0;
        if (child_ <= 0 || ::waitpid(child_, &status, 0) != child_)
            return std::nullopt;
        child_ = -1;
        if (!WIFEXITED(status) || WEXITSTATUS(status) == kNoInstance)
            return std::nullopt;
        return WEXITSTATUS(status) == kYes;
    }

  private:
    static constexpr int kYes = 0, kNo = 1, kNoInstance = 2;
    pid_t child_ = -1;
};

// One byte from one process to another, to say that it is ready, or that it may end.
class Signal {
  public:
    Signal() {
        if (::pipe(fds_) != 0)
            fds_[0] = fds_[1] = -1;
    }
    ~Signal() {
        for (const int fd : fds_) {
            if (fd >= 0)
                ::close(fd);
        }
    }
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;

    void give() {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(fds_[1], &byte, 1);
    }
    // True once it was given; false when the time ran out or every giver has ended.
    bool await(int milliseconds) {
        pollfd in{fds_[0], POLLIN, 0};
        char byte = 0;
        return ::poll(&in, 1, milliseconds) > 0 && ::read(fds_[0], &byte, 1) == 1;
    }

  private:
    int fds_[2];
};
