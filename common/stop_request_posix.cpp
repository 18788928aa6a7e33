// StopRequest on POSIX systems: signal handlers and a self-pipe that wakes the waiting thread.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>

#include "stop_request.h"

namespace {

// The signal that asked to stop, 0 while none has, and whether Ctrl+Z (SIGTSTP) asked to pause.
// Written by the handler; lock-free, so that a signal handler may write them.
std::atomic<int> g_signal{0};
std::atomic<bool> g_pause{false};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free);

using Clock = std::chrono::steady_clock;

constexpr std::array kStopSignals{SIGINT, SIGTERM, SIGHUP, SIGTSTP};
// Where a program ended by a signal it could not raise says which: 128 + the signal, as shells do.
constexpr int kSignalExitBase = 128;

// The handler may touch nothing but these: it notes the signal and writes a byte into a pipe
// that the waiting thread polls, so the wait ends at once (the self-pipe).
std::atomic<int> g_wakeFd{-1};
std::array<int, 2> g_pipe{-1, -1};
std::array<struct sigaction, kStopSignals.size()> g_previous{};
std::array<bool, kStopSignals.size()> g_installed{};

extern "C" void noteStop(int signal) {
    const int savedErrno = errno;
    if (signal == SIGTSTP) {
        g_pause = true;
    } else {
        g_signal = signal;
    }
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(g_wakeFd, &byte, 1);
    errno = savedErrno;
}

// pipe2() would do this in one call, but macOS lacks it.
bool openWakePipe(std::array<int, 2>& fds) {
    if (::pipe(fds.data()) != 0)
        return false;
    for (const int fd : fds) {
        if (::fcntl(fd, F_SETFD, FD_CLOEXEC) != 0 ||
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK) != 0) {
            ::close(fds[0]);
            ::close(fds[1]);
            return false;
        }
    }
    return true;
}

void restoreHandlers() {
    for (std::size_t i = 0; i < kStopSignals.size(); ++i) {
        if (g_installed[i])
            ::sigaction(kStopSignals[i], &g_previous[i], nullptr);
        g_installed[i] = false;
    }
}

}  // namespace

StopRequest::StopRequest() {
    g_signal = 0;
    g_pause = false;
    // Without the pipe a wait sleeps its whole time and sees the stop only at its end; the
    // non-blocking write end keeps a burst of signals from blocking the handler on a full pipe.
    if (!openWakePipe(g_pipe))
        g_pipe = {-1, -1};
    g_wakeFd = g_pipe[1];

    // SA_RESTART: a signal held off during an upload must not cut short a system call of it
    // (a read or write of the line comes back with EINTR without it).
    struct sigaction action {};
    action.sa_handler = noteStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kStopSignals.size(); ++i) {
        if (::sigaction(kStopSignals[i], nullptr, &g_previous[i]) != 0 ||
            g_previous[i].sa_handler == SIG_IGN) {
            continue;
        }
        g_installed[i] = ::sigaction(kStopSignals[i], &action, nullptr) == 0;
    }
}

StopRequest::~StopRequest() {
    restoreHandlers();
    g_wakeFd = -1;
    for (int& fd : g_pipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

bool StopRequest::waitFor(std::chrono::milliseconds time) {
    const Clock::time_point end = Clock::now() + time;
    while (!requested() && !pauseRequested()) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now());
        if (left.count() <= 0)
            break;
        // An interrupted poll comes back early; the loop looks at the signal and waits on.
        pollfd wake{g_pipe[0], POLLIN, 0};
        ::poll(&wake, 1, static_cast<int>(left.count()));
    }
    return requested() || pauseRequested();
}

void StopRequest::request() {
    noteStop(SIGTERM);
}

int StopRequest::wakeDescriptor() const {
    return g_pipe[0];
}

bool StopRequest::pauseRequested() const {
    return g_pause;
}

void StopRequest::pauseAsRequested() {
    if (!g_pause)
        return;
    // Stopped as the shell expects of Ctrl+Z: by SIGTSTP with its own action, so that the shell
    // says "Stopped" and fg continues the program here.
    const std::size_t tstp = kStopSignals.size() - 1;
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    struct sigaction ours {};
    ::sigaction(SIGTSTP, &standard, &ours);
    ::raise(SIGTSTP);
    if (g_installed[tstp])
        ::sigaction(SIGTSTP, &ours, nullptr);
    refusePause();
}

void StopRequest::refusePause() {
    g_pause = false;
    // The bytes of the pause are taken out of the pipe, so that a watcher of it is not woken
    // again by them; a stop asked for meanwhile stays noted in g_signal.
    char bytes[16];
    while (g_pipe[0] >= 0 && ::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
}

int StopRequest::pausedExitStatus() {
    return kSignalExitBase + SIGTSTP;
}

void StopRequest::endAsRequested() {
    const int signal = g_signal;
    restoreHandlers();
    if (signal != 0) {
        ::signal(signal, SIG_DFL);
        ::raise(signal);
    }
    std::_Exit(kSignalExitBase + signal);
}

bool StopRequest::requested() const {
    return g_signal != 0;
}
