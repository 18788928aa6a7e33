// tracker-sim: a stand-in tracker on a pseudo-terminal for trying the program without the
// hardware. Prints the device to choose, logs what the program sends, runs until interrupted.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "simulated_tracker.h"

namespace {

constexpr std::string_view kUsage = "usage: tracker-sim [--baud 9600|2400]\n";

int parseBaud(int argc, char** argv) {
    int baud = 9600;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--baud" && i + 1 < argc) {
            const std::string_view value = argv[++i];
            if (value == "9600") {
                baud = 9600;
            } else if (value == "2400") {
                baud = 2400;
            } else {
                return 0;
            }
        } else {
            return 0;
        }
    }
    return baud;
}

}  // namespace

int main(int argc, char** argv) {
    const int baud = parseBaud(argc, argv);
    if (baud == 0) {
        std::fputs(kUsage.data(), stderr);
        return 2;
    }

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
    if (!tracker.start()) {
        std::fprintf(stderr, "tracker-sim: cannot open a pseudo-terminal: %s\n",
                     std::strerror(errno));
        return 1;
    }
    std::printf("Simulated tracker at %d baud, answering \"%s\".\n", baud,
                tracker.version().c_str());
    std::printf("Choose or type this port in PelmoxConfig: %s\n", tracker.devicePath().c_str());
    std::printf("Stop with Ctrl+C.\n");
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    std::printf("Stopped.\n");
    return 0;
}
