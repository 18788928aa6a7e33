// A program that uses a serial port without any lock, as a shell script reading from it does
// (`sleep 60 < /dev/ttyS1`), or a login prompt whose controlling terminal it is. It is sleep(1),
// so that the test program's own descriptors (a pseudo-terminal's master among them) are gone.
// It may run as another user, keeping its group (which takes root).
#pragma once

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class PortUser {
  public:
    enum class Use { OpenDescriptor, ControllingTerminal };
    static constexpr const char* kProgram = "sleep";

    // Returns once the program runs with the port in use (pid() is -1 when it could not start).
    PortUser(const std::string& device, Use use, std::optional<uid_t> user = std::nullopt) {
        start([&](int) {
            if (use == Use::ControllingTerminal) {
                // A session leader without a terminal gets the first one it opens as its own;
                // the descriptor itself is not kept.
                ::setsid();
                ::close(::open(device.c_str(), O_RDWR));
            } else {
                ::dup2(::open(device.c_str(), O_RDWR | O_NOCTTY), STDIN_FILENO);
            }
            if (user && (::setgroups(0, nullptr) != 0 || ::setuid(*user) != 0))
                ::_exit(127);
        });
    }

    // The files open at these numbers, besides 0-2, and no other descriptor: a program that
    // closed some, or was given some at numbers of its caller's choosing.
    using Descriptors = std::vector<std::pair<int, std::string>>;
    explicit PortUser(const Descriptors& descriptors) {
        start([&](int started) {
            int highest = STDERR_FILENO;
            for (const auto& placed : descriptors)
                highest = std::max(highest, placed.first);
            const int kept = ::fcntl(started, F_DUPFD_CLOEXEC, highest + 1);
            if (kept < 0)
                ::_exit(127);
            ::close_range(STDERR_FILENO + 1, kept - 1, 0);
            ::close_range(kept + 1, ~0U, 0);
            for (const auto& [number, path] : descriptors) {
                const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
                if (fd < 0 || (fd != number && (::dup2(fd, number) < 0 || ::close(fd) != 0)))
                    ::_exit(127);
            }
        });
    }

    ~PortUser() { stop(); }
    PortUser(const PortUser&) = delete;
    PortUser& operator=(const PortUser&) = delete;

    pid_t pid() const { return pid_; }

    void stop() {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

  private:
    // Runs prepare in the child, with the descriptor that is to stay open until the program
    // runs, then the program.
    template <class Prepare>
    void start(Prepare prepare) {
        int started[2];
        if (::pipe(started) != 0)
            return;
        ::fcntl(started[1], F_SETFD, FD_CLOEXEC);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(started[0]);
            prepare(started[1]);
            ::execlp(kProgram, kProgram, "600", nullptr);
            ::_exit(127);
        }
        ::close(started[1]);
        // End of file once the program has started (or the child has ended).
        char c;
        while (pid_ > 0 && ::read(started[0], &c, 1) > 0) {
        }
        ::close(started[0]);
    }

    pid_t pid_ = -1;
};
