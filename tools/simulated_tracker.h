// A tracker that lives behind a pseudo-terminal, for tests and for trying the program without
// the hardware. It answers the link's commands the way the real tracker does, can be told to
// misbehave in the ways the link must survive, and keeps its image in "slow memory" that loses
// bytes sent faster than the real tracker can store them. POSIX only.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <string_view>

#include "pty_line.h"
#include "tracker_faults.h"

class SimulatedTracker {
  public:
    enum class Tone { Off, Tone1200, Tone2200, Both };
    using Fault = TrackerFault;

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
    using Clock = PtyLine::Clock;

    void receive(std::span<const std::uint8_t> bytes, int speed, Clock::time_point now);
    void handle(std::uint8_t byte, Clock::time_point now);
    void sendReply(std::string_view text);
    void sendImage();
    void storeUploadByte(std::uint8_t byte, Clock::time_point now, Fault fault);
    void setTone(Tone tone);
    void vanish();
    void log(std::string_view line);

    const int baud_;

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
    // The last command was a tone stop (for VanishBeforeToneCode).
    bool stopped_ = false;

    // Last, so that it goes first: its serving thread ends before the state above goes away.
    PtyLine line_;
};
