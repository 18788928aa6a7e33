#include "progress_display.h"

#include <algorithm>

#include "stderr_console.h"

namespace {

constexpr std::chrono::milliseconds kRedrawEvery{100};
constexpr int kBarWidth = 24;
constexpr QChar kBarDone = '#';
constexpr QChar kBarToDo = '-';
// The bar never claims the end before the command has really finished.
constexpr double kMostBeforeEnd = 0.99;
constexpr int kPercent = 100;

}  // namespace

ProgressDisplay::ProgressDisplay(std::vector<Step> steps) : steps_(std::move(steps)) {
    for (const Step& step : steps_) {
        total_ += step.expected;
        labelWidth_ = std::max(labelWidth_, step.label.size());
    }
    if (!StderrConsole::isTerminal() || steps_.empty() || total_.count() <= 0)
        return;
    stepStart_ = Clock::now();
    thread_ = std::thread([this] { run(); });
}

ProgressDisplay::~ProgressDisplay() {
    if (!thread_.joinable())
        return;
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
    StderrConsole::showStatus({});
}

void ProgressDisplay::advance() {
    const std::lock_guard lock(mutex_);
    if (current_ >= steps_.size())
        return;
    done_ += steps_[current_].expected;
    ++current_;
    stepStart_ = Clock::now();
}

void ProgressDisplay::run() {
    std::unique_lock lock(mutex_);
    while (!stop_) {
        const QString text = line(Clock::now());
        lock.unlock();
        StderrConsole::showStatus(text);
        lock.lock();
        wake_.wait_for(lock, kRedrawEvery, [this] { return stop_; });
    }
}

QString ProgressDisplay::line(Clock::time_point now) const {
    const Step& step = steps_[std::min(current_, steps_.size() - 1)];
    // A step that runs late (a tracker found only at the slower speed) holds at its end.
    const auto inStep =
        current_ < steps_.size()
            ? std::min(std::chrono::duration_cast<std::chrono::milliseconds>(now - stepStart_),
                       step.expected)
            : std::chrono::milliseconds{0};
    const double fraction = std::min(kMostBeforeEnd, static_cast<double>((done_ + inStep).count()) /
                                                         static_cast<double>(total_.count()));
    const int filled = static_cast<int>(fraction * kBarWidth);
    return QStringLiteral("%1 [%2%3] %4%")
        .arg(step.label, -static_cast<int>(labelWidth_))
        .arg(QString(filled, kBarDone))
        .arg(QString(kBarWidth - filled, kBarToDo))
        .arg(static_cast<int>(fraction * kPercent), 2);
}
