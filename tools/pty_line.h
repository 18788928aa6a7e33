// The tracker's end of a pseudo-terminal: opens one in raw mode, hands what the program sends to
// a receiver on a thread of its own, with the line speed the program set, sends bytes back, and
// can vanish as a pulled USB adapter does. POSIX only.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <thread>

class PtyLine {
  public:
    using Clock = std::chrono::steady_clock;
    // Called on the serving thread for the bytes of each read, with the speed in baud the
    // program's side is set to (0 when it is none the line knows) and the time they came.
    using Receiver =
        std::function<void(std::span<const std::uint8_t> bytes, int speed, Clock::time_point now)>;

    PtyLine() = default;
    ~PtyLine();  // stops serving, closes the pseudo-terminal
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    // Opens the pseudo-terminal and starts serving; false on failure, or when already open.
    bool open(Receiver receiver);
    // The program's side to open, e.g. /dev/pts/5.
    const std::string& path() const { return path_; }
    // Nothing once the line has vanished.
    void send(std::span<const std::uint8_t> bytes);
    // Hangs the program's side up for good: its reads see end of file, its writes fail.
    void vanish();
    bool vanished() const { return master_ < 0; }

  private:
    void serve();
    int lineSpeed();

    Receiver receiver_;
    // The serving thread closes both when the line vanishes, while others may be writing.
    std::atomic<int> master_ = -1;
    std::atomic<int> slave_ = -1;
    int wake_[2] = {-1, -1};
    std::string path_;
    std::thread thread_;
    // Touched only by the serving thread.
    int activeSpeed_ = 0;
};
