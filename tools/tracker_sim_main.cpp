// tracker-sim: a stand-in tracker on a pseudo-terminal for trying the program without the
// hardware. Prints the device to choose, logs what the program sends, runs until interrupted.
#include <algorithm>
#include <array>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>

#include "simulated_tracker.h"

namespace {

constexpr std::string_view kUsage =
    "usage: tracker-sim [--baud 9600|2400] [--memory default|erased|zeroed]\n";

// What the memory holds at the start: the default settings, or none, as a new or wiped EEPROM
// (all 0xFF) or one cleared to zero holds.
struct Memory {
    std::string_view name;
    std::optional<std::uint8_t> fill;  // none for the default settings
};
constexpr std::array kMemories{
    Memory{"default", std::nullopt},
    Memory{"erased", std::uint8_t{0xFF}},
    Memory{"zeroed", std::uint8_t{0x00}},
};

struct Options {
    int baud = 9600;
    std::optional<std::uint8_t> fill;
};

// The options, or nothing when one is not known.
std::optional<Options> parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        const std::string_view value = argv[i + 1];
        if (option == "--baud" && (value == "9600" || value == "2400")) {
            options.baud = value == "9600" ? 9600 : 2400;
        } else if (option == "--memory") {
            const auto memory = std::find_if(kMemories.begin(), kMemories.end(),
                                             [&](const Memory& m) { return m.name == value; });
            if (memory == kMemories.end())
                return std::nullopt;
            options.fill = memory->fill;
        } else {
            return std::nullopt;
        }
    }
    if (argc % 2 == 0)  // an option without its value
        return std::nullopt;
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::fputs(kUsage.data(), stderr);
        return 2;
    }
    const int baud = options->baud;

    // Block the stop signals before the serving thread starts, so it inherits the mask and
    // the main thread alone takes them in sigwait.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    SimulatedTracker tracker(baud);
    tracker.setLogger([](std::string_view line) {
        std::printf("%.*s\n", static_cast<int>(line.size()), line.data());
        std::fflush(stdout);
    });
    if (options->fill) {
        SimulatedTracker::Image blank;
        blank.fill(*options->fill);
        tracker.setImage(blank);
    }
    if (!tracker.start()) {
        std::fprintf(stderr, "tracker-sim: cannot open a pseudo-terminal: %s\n",
                     std::strerror(errno));
        return 1;
    }
    std::printf("Simulated tracker at %d baud, answering \"%s\".\n", baud,
                tracker.version().c_str());
    if (options->fill)
        std::printf("Its memory holds no settings: all 128 bytes are 0x%02X.\n", *options->fill);
    std::printf("Choose or type this port in PelmoxConfig: %s\n", tracker.devicePath().c_str());
    std::printf("Stop with Ctrl+C.\n");
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    std::printf("Stopped.\n");
    return 0;
}
