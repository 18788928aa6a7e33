// pelmox-bench: times the link's commands against the simulated tracker and sets each against
// the time the protocol itself prescribes (pauses and timeouts), plus the CPU the program burns.
// The tracker runs in a child process so that its work is not counted as the program's.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "exchange_time.h"
#include "simulated_tracker.h"
#include "tracker_link.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kRuns = 5;
constexpr std::size_t kReplyCapacity = exchange_time::kReplyCapacity;
constexpr std::size_t kImageBuffer = exchange_time::kImageBuffer;
constexpr std::size_t kImageSize = SimulatedTracker::kImageSize;

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Starts the tracker in a child; returns its device path (empty on failure).
std::string startTrackerProcess(pid_t& child) {
    int path[2], hold[2];
    if (pipe(path) != 0 || pipe(hold) != 0)
        return {};
    child = fork();
    if (child < 0)
        return {};
    if (child == 0) {
        close(path[0]);
        close(hold[1]);
        SimulatedTracker tracker;
        const std::string device = tracker.start() ? tracker.devicePath() : std::string();
        [[maybe_unused]] const auto n = write(path[1], device.data(), device.size());
        close(path[1]);
        // Serve until the benchmark goes away and the pipe reaches end of file.
        char c;
        while (read(hold[0], &c, 1) > 0) {
        }
        _exit(0);
    }
    close(path[1]);
    close(hold[0]);
    std::array<char, 256> buffer{};
    const ssize_t n = read(path[0], buffer.data(), buffer.size() - 1);
    close(path[0]);
    return n > 0 ? std::string(buffer.data(), static_cast<std::size_t>(n)) : std::string();
}

struct Result {
    const char* name;
    milliseconds protocol;
    double medianWall = 0;
    double cpuPerRun = 0;
    double cpuShare = 0;
    bool failed = false;
};

Result measure(const char* name, milliseconds protocol, const std::function<bool()>& command) {
    Result result{name, protocol};
    std::vector<double> walls;
    double wallTotal = 0, cpuTotal = 0;
    for (int run = 0; run < kRuns; ++run) {
        const double cpuStart = cpuSeconds();
        const auto start = Clock::now();
        result.failed |= command();
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        cpuTotal += cpuSeconds() - cpuStart;
        wallTotal += wall;
        walls.push_back(wall);
    }
    std::sort(walls.begin(), walls.end());
    result.medianWall = walls[walls.size() / 2];
    result.cpuPerRun = cpuTotal / kRuns;
    result.cpuShare = cpuTotal / wallTotal;
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    pid_t child = -1;
    const std::string device = startTrackerProcess(child);
    if (device.empty()) {
        std::fprintf(stderr, "pelmox-bench: cannot start the simulated tracker\n");
        return 1;
    }
    QCoreApplication app(argc, argv);

    CTrackerLink link;
    link.setDeviceName(device);
    std::array<char, 32> reply{};
    std::array<std::uint8_t, kImageBuffer> image{};
    if (link.findTracker(std::span(reply).first(kReplyCapacity)) ||
        link.readImageVerified(image) != kImageSize) {
        std::fprintf(stderr, "pelmox-bench: the simulated tracker does not answer\n");
        return 1;
    }
    const std::size_t versionLength = std::string(reply.data()).size();
    const auto stored = std::span<const std::uint8_t>(image).first(kImageSize);

    const std::array<Result, 4> results = {
        measure("find tracker", exchange_time::identify(versionLength),
                [&] { return link.findTracker(std::span(reply).first(kReplyCapacity)); }),
        measure("read image verified", exchange_time::readVerified(),
                [&] {
                    std::array<std::uint8_t, kImageBuffer> buffer{};
                    return link.readImageVerified(buffer) != kImageSize;
                }),
        measure("write image verified", exchange_time::writeVerified(),
                [&] { return link.writeImageVerified(stored); }),
        measure("tone", exchange_time::tone(), [&] { return link.tone('1'); }),
    };

    std::printf("%d runs each against a simulated tracker on %s\n\n", kRuns, device.c_str());
    std::printf("%-22s %10s %12s %7s %8s %9s\n", "command", "median ms", "protocol ms", "ratio",
                "CPU ms", "CPU/wall");
    bool failed = false;
    for (const Result& r : results) {
        const double protocolMs = static_cast<double>(r.protocol.count());
        std::printf("%-22s %10.1f %12.0f %7.4f %8.2f %8.3f%%%s\n", r.name, r.medianWall * 1000,
                    protocolMs, r.medianWall * 1000 / protocolMs, r.cpuPerRun * 1000,
                    r.cpuShare * 100, r.failed ? "  (command failed)" : "");
        failed |= r.failed;
    }

    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return failed ? 1 : 0;
}
