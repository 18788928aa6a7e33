// StopRequest on Windows: a console control handler, and a hidden window for the end of the
// session. There is no Ctrl+Z that pauses a Windows program, so no pause is ever asked for.
#include <atomic>
#include <csignal>
#include <cstdlib>

#include "stop_request.h"
#include "windows_api.h"

namespace {

// The signal that asked to stop, 0 while none has. Written by the handler, which on Windows runs
// on a thread of its own; lock-free, so a signal handler may write it too.
std::atomic<int> g_signal{0};
static_assert(std::atomic<int>::is_always_lock_free);

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

bool StopRequest::pauseRequested() const {
    return false;
}

void StopRequest::pauseAsRequested() {}

void StopRequest::refusePause() {}

int StopRequest::pausedExitStatus() {
    return EXIT_FAILURE;  // no pause comes
}

bool StopRequest::requested() const {
    return g_signal != 0;
}
