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

#include <optional>
#include <string>

class PortUser {
  public:
    enum class Use { OpenDescriptor, ControllingTerminal };
    static constexpr const char* kProgram = "sleep";

    // Returns once the program runs with the port in use (pid() is -1 when it could not start).
    PortUser(const std::string& device, Use use, std::optional<uid_t> user = std::nullopt) {
        int started[2];
        if (::pipe(started) != 0)
            return;
        ::fcntl(started[1], F_SETFD, FD_CLOEXEC);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(started[0]);
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
    pid_t pid_ = -1;
};
