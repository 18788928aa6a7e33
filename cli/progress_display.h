// The progress of a command on a terminal: while the link blocks the main thread with its paced
// exchanges, another thread redraws one line on standard error with the current step and a bar
// that fills over the time the steps take at the least. Nothing is shown when standard error is
// not a terminal.
#pragma once

#include <QString>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

class ProgressDisplay {
  public:
    struct Step {
        QString label;
        std::chrono::milliseconds expected;
    };

    // Starts showing the first step at once.
    explicit ProgressDisplay(std::vector<Step> steps);
    // Stops and clears the line.
    ~ProgressDisplay();
    ProgressDisplay(const ProgressDisplay&) = delete;
    ProgressDisplay& operator=(const ProgressDisplay&) = delete;

    // The current step is done; the next one starts now.
    void advance();

  private:
    using Clock = std::chrono::steady_clock;

    void run();
    QString line(Clock::time_point now) const;

    const std::vector<Step> steps_;
    std::chrono::milliseconds total_{0};
    qsizetype labelWidth_ = 0;  // the labels line up, so the bar stays put

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::size_t current_ = 0;
    Clock::time_point stepStart_;
    std::chrono::milliseconds done_{0};  // expected time of the finished steps
    std::thread thread_;
};
