#include "link_pause.h"

#include <atomic>
#include <thread>

namespace link_pause {

namespace {
std::atomic<Handler> installed{nullptr};
}  // namespace

void setHandler(Handler handler) {
    installed.store(handler);
}

void pause(std::chrono::milliseconds time) {
    const auto until = std::chrono::steady_clock::now() + time;
    if (const Handler handler = installed.load())
        handler();
    std::this_thread::sleep_until(until);
}

}  // namespace link_pause
