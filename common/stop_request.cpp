#include "stop_request.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstdlib>

#ifdef _WIN32
#include "windows_api.h"
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
// Set once the command is done with the stop. Closing the console, a log-off and a shut-down
// end the process as soon as the handler returns, so the handler holds it until then.
HANDLE g_done = nullptr;

// How long such an end is held off for the command to finish. Windows itself ends the process
// after its own time-out, 5 s by default for each of them (HungAppTimeout for the console
// closed, WaitToKillAppTimeout for a log-off or shut-down), which covers the longest wait, an
// upload with its check (2.2 s under Wine from the first byte to the end of the program; the
// search before it is not waited for). This is longer, so that Windows' limit and never ours
// is the one that counts; it bounds the wait only where nothing else would, as under Wine.
constexpr DWORD kEndGraceMs = 10000;

void noteEnd(int signal) {
    g_signal = signal;
    SetEvent(g_wake);
}

BOOL WINAPI noteStop(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT:
        case CTRL_BREAK_EVENT:
            noteEnd(SIGINT);
            return TRUE;
        case CTRL_CLOSE_EVENT:
        case CTRL_LOGOFF_EVENT:
        case CTRL_SHUTDOWN_EVENT:
            noteEnd(SIGTERM);
            WaitForSingleObject(g_done, kEndGraceMs);
            return TRUE;
        default:
            return FALSE;
    }
}

// A console program's one window is the console's, which belongs to the console host, and a
// program that loads user32.dll (Qt does) is sent no CTRL_LOGOFF_EVENT or CTRL_SHUTDOWN_EVENT:
// it hears of a log-off or shut-down only as WM_QUERYENDSESSION and WM_ENDSESSION at its
// top-level windows. So a console program keeps a hidden one while a StopRequest lives (a
// message-only window would hear no broadcast), on a thread of its own, as the main thread is
// busy with the tracker. The process may end as soon as WM_ENDSESSION returns: it is held there
// as the console handler holds its events. A program with windows of its own hears these at
// them (ui/session_end.h).
constexpr wchar_t kSessionWindowClass[] = L"PelmoxSessionEnd";

LRESULT CALLBACK sessionWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            // FALSE: the session goes on after all (someone refused it), and so does the command.
            if (wParam != FALSE) {
                noteEnd(SIGTERM);
                WaitForSingleObject(g_done, kEndGraceMs);
            }
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

HANDLE g_sessionThread = nullptr;
DWORD g_sessionThreadId = 0;

DWORD WINAPI runSessionWindow(void* ready) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = sessionWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kSessionWindowClass;
    RegisterClassW(&windowClass);  // fails harmlessly when a StopRequest before registered it
    HWND window = CreateWindowExW(0, kSessionWindowClass, L"", WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    SetEvent(static_cast<HANDLE>(ready));
    if (window == nullptr)
        return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}

bool isConsoleProgram() {
    const auto* base = reinterpret_cast<const unsigned char*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    return nt->OptionalHeader.Subsystem == IMAGE_SUBSYSTEM_WINDOWS_CUI;
}

void startSessionWindow() {
    if (!isConsoleProgram())
        return;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (ready == nullptr)
        return;
    g_sessionThread = CreateThread(nullptr, 0, runSessionWindow, ready, 0, &g_sessionThreadId);
    // Up before the command starts, so that a log-off from then on is heard.
    if (g_sessionThread != nullptr)
        WaitForSingleObject(ready, INFINITE);
    CloseHandle(ready);
}

void stopSessionWindow() {
    if (g_sessionThread == nullptr)
        return;
    // WM_QUIT ends the thread's loop, and the window goes with its thread.
    PostThreadMessageW(g_sessionThreadId, WM_QUIT, 0, 0);
    WaitForSingleObject(g_sessionThread, INFINITE);
    CloseHandle(g_sessionThread);
    g_sessionThread = nullptr;
}

}  // namespace

StopRequest::StopRequest() {
    g_signal = 0;
    g_wake = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    g_done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(noteStop, TRUE);
    startSessionWindow();
}

StopRequest::~StopRequest() {
    SetEvent(g_done);
    stopSessionWindow();
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

void StopRequest::request() {
    noteEnd(SIGTERM);
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

void StopRequest::request() {
    noteStop(SIGTERM);
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
