// Windows' word on sleep: WM_POWERBROADCAST at every top-level window, PBT_APMSUSPEND before it
// (the program has about two seconds) and PBT_APMRESUMEAUTOMATIC after any wake. A hidden
// window of the watch's own hears it, in the thread that made the watch, whose event loop
// dispatches its messages: a console program has no other window (a message-only one would hear
// no broadcast). Windows has no inhibitor that a suspend waits for; holding keeps the system
// from going to sleep for idleness (SetThreadExecutionState, in the same thread).
#include "windows_api.h"

#include <QCoreApplication>

#include "link_messages.h"
#include "sleep_watch.h"

namespace {

constexpr wchar_t kWindowClass[] = L"PelmoxSleepWatch";

}  // namespace

class SleepWatch::Platform {
  public:
    explicit Platform(SleepWatch* watch) : watch_(watch) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = windowProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kWindowClass;
        RegisterClassW(&windowClass);  // fails harmlessly when an earlier watch registered it
        window_ = CreateWindowExW(0, kWindowClass, L"", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
        if (window_ != nullptr)
            SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~Platform() {
        if (window_ != nullptr)
            DestroyWindow(window_);
    }
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    bool hasWindow() const { return window_ != nullptr; }
    bool holding = false;

  private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
        if (message != WM_POWERBROADCAST)
            return DefWindowProcW(window, message, wParam, lParam);
        auto* platform = reinterpret_cast<Platform*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (platform != nullptr) {
            if (wParam == PBT_APMSUSPEND)
                platform->watch_->sleeping(true);
            else if (wParam == PBT_APMRESUMEAUTOMATIC)
                platform->watch_->sleeping(false);
        }
        return TRUE;
    }

    SleepWatch* watch_;
    HWND window_ = nullptr;
};

SleepWatch::SleepWatch(QObject* parent)
    : QObject(parent), platform_(std::make_unique<Platform>(this)) {}

SleepWatch::~SleepWatch() {
    release();
}

// Granted or not at once: there is no answer to wait for.
void SleepWatch::take(std::chrono::milliseconds) {
    if (platform_->holding)
        return;
    platform_->holding =
        SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED) != EXECUTION_STATE{0};
}

void SleepWatch::awaitAnswer() {}

void SleepWatch::release() {
    if (!platform_->holding)
        return;
    SetThreadExecutionState(ES_CONTINUOUS);
    platform_->holding = false;
}

bool SleepWatch::holding() const {
    return platform_->holding;
}

QString SleepWatch::unavailable() const {
    return platform_->hasWindow()
               ? QString()
               : QCoreApplication::translate("link_message", link_message::kNoPowerWindow);
}
