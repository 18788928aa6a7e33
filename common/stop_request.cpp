#include "stop_request.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstdlib>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace {

// The signal that asked to stop, 0 while none has. Written by the handler, which on Windows runs
// on a thread of its own; lock-free, so a signal handler may write it too.
std::atomic<int> g_signal{0};
static_assert(std::atomic<int>::is_always_lock_free);

}  // namespace

#ifdef _WIN32

namespace {

// The system runs the handler on a thread of its own; it sets wake for the waiting command.
HANDLE g_wake = nullptr;
// Set once the command is done with the stop. Closing the console ends the process as soon as
// the handler returns (and after five seconds at most), so the handler holds it until then.
HANDLE g_done = nullptr;
constexpr DWORD kCloseGraceMs = 4000;

BOOL WINAPI noteStop(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT:
        case CTRL_BREAK_EVENT:
            g_signal = SIGINT;
            SetEvent(g_wake);
            return TRUE;
        case CTRL_CLOSE_EVENT:
            g_signal = SIGTERM;
            SetEvent(g_wake);
            WaitForSingleObject(g_done, kCloseGraceMs);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

StopRequest::StopRequest() {
    g_signal = 0;
    g_wake = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    g_done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(noteStop, TRUE);
}

StopRequest::~StopRequest() {
    SetEvent(g_done);
    SetConsoleCtrlHandler(noteStop, FALSE);
    CloseHandle(g_wake);
    CloseHandle(g_done);
    g_wake = g_done = nullptr;
}

bool StopRequest::waitFor(std::chrono::milliseconds time) {
    if (requested())
        return true;
    if (g_wake != nullptr) {
        WaitForSingleObject(g_wake, static_cast<DWORD>(time.count()));
    } else {
        Sleep(static_cast<DWORD>(time.count()));
    }
    return requested();
}

int StopRequest::wakeDescriptor() const {
    return -1;
}

void StopRequest::endAsRequested() {
    SetEvent(g_done);
    // What a console program stopped by Ctrl+C ends with.
    ExitProcess(STATUS_CONTROL_C_EXIT);
}

#else

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::array kStopSignals{SIGINT, SIGTERM, SIGHUP};
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
    g_signal = signal;
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
    // Without the pipe a wait sleeps its whole time and sees the stop only at its end; the
    // non-blocking write end keeps a burst of signals from blocking the handler on a full pipe.
    if (!openWakePipe(g_pipe))
        g_pipe = {-1, -1};
    g_wakeFd = g_pipe[1];

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
    while (!requested()) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now());
        if (left.count() <= 0)
            break;
        // An interrupted poll comes back early; the loop looks at the signal and waits on.
        pollfd wake{g_pipe[0], POLLIN, 0};
        ::poll(&wake, 1, static_cast<int>(left.count()));
    }
    return requested();
}

int StopRequest::wakeDescriptor() const {
    return g_pipe[0];
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

#endif

bool StopRequest::requested() const {
    return g_signal != 0;
}
