// A tracker that lives behind a pseudo-terminal, for tests and for trying the program without
// the hardware. It answers the link's commands the way the real tracker does, can be told to
// misbehave in the ways the link must survive, and keeps its image in "slow memory" that loses
// bytes sent faster than the real tracker can store them. POSIX only.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <thread>

class SimulatedTracker {
  public:
    enum class Tone { Off, Tone1200, Tone2200, Both };
    enum class Fault {
        None,
        StaleOutput,         // junk sits in the line, sent when this fault is set
        NoBlank,             // identify reply is the bare device word
        LowerCase,           // identify reply in lower case
        LongReply,           // identify reply longer than 29 characters
        Silent,              // ignores everything
        ShortReadBack,       // downloads send one byte short
        DifferingDownloads,  // no two downloads in a row are alike
        VanishMidExchange,   // the line disappears in the middle of the next command
    };

    static constexpr std::size_t kImageSize = 128;
    using Image = std::array<std::uint8_t, kImageSize>;
    // Receives one line per event (command, tone change, ignored bytes); runs on the serving
    // thread.
    using Logger = std::function<void(std::string_view line)>;

    explicit SimulatedTracker(int baud = 9600);  // the only speed at which it answers identify
    ~SimulatedTracker();                         // stops serving, closes the pseudo-terminal
    SimulatedTracker(const SimulatedTracker&) = delete;
    SimulatedTracker& operator=(const SimulatedTracker&) = delete;

    bool start();                    // opens the pty and starts serving; false on failure
    std::string devicePath() const;  // the slave side to open, e.g. /dev/pts/5
    int baud() const { return baud_; }

    Image image() const;
    void setImage(std::span<const std::uint8_t, kImageSize> image);
    Tone tone() const;
    void setFault(Fault fault);
    std::string version() const;  // the identify reply it sends
    void setLogger(Logger logger);

    // Bytes of the most recent upload that arrived too fast to be stored.
    std::size_t lostUploadBytes() const;
    // Commands recognised so far (at the right speed), for tests that wait for one to land.
    std::size_t commandCount() const;

  private:
    enum class Parse { Idle, Escape, DoubleEscape, Uploading };
    using Clock = std::chrono::steady_clock;

    void serve();
    void receive(std::span<const std::uint8_t> bytes, Clock::time_point now);
    void handle(std::uint8_t byte, Clock::time_point now);
    void sendReply(std::span<const std::uint8_t> bytes);
    void sendImage();
    void storeUploadByte(std::uint8_t byte, Clock::time_point now, Fault fault);
    void setTone(Tone tone);
    void vanish();
    int lineSpeed();
    void log(std::string_view line);

    const int baud_;
    // The serving thread closes both when the line vanishes, while others may be writing.
    std::atomic<int> master_ = -1;
    std::atomic<int> slave_ = -1;
    int wake_[2] = {-1, -1};
    std::string path_;
    std::thread thread_;

    mutable std::mutex mutex_;
    Image image_{};
    Tone tone_ = Tone::Off;
    Fault fault_ = Fault::None;
    Logger logger_;
    std::size_t lost_ = 0;
    std::size_t commands_ = 0;
    unsigned downloads_ = 0;

    // Parser state, touched only by the serving thread.
    Parse parse_ = Parse::Idle;
    Clock::time_point commandStart_{};
    Clock::time_point lastByte_{};
    std::size_t uploadIndex_ = 0;
    int activeSpeed_ = 0;
};
