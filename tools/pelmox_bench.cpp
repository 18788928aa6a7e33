// pelmox-bench: times the link's commands against the simulated tracker and sets each against
// the time the protocol itself prescribes (pauses and timeouts), plus the CPU the program burns;
// then the same for each pelmoxctl command run as a new process, against the protocol's time
// plus the time the process takes to start and end.
// The tracker runs in a child process so that its work is not counted as the program's.
// --processes N starts N idle processes first, for the search through the system's processes
// that every open makes (who else has the port open) to be timed on a busy machine; the search
// alone is timed too.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "exchange_time.h"
#include "port_holder.h"
#include "simulated_tracker.h"
#include "tracker_link.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kRuns = 5;
constexpr std::size_t kReplyCapacity = exchange_time::kReplyCapacity;
constexpr std::size_t kImageBuffer = exchange_time::kImageBuffer;
constexpr std::size_t kImageSize = SimulatedTracker::kImageSize;

// RUSAGE_SELF for the link, RUSAGE_CHILDREN for the pelmoxctl processes once they have ended.
double cpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
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

// pelmoxctl as a script runs it, with its output thrown away; true when it failed. In a cross
// build it runs under the emulator the benchmark runs under (PELMOX_EMULATOR, qemu-user).
bool runPelmoxctl(const std::vector<std::string>& arguments) {
    std::vector<std::string> words;
    std::istringstream emulator(PELMOX_EMULATOR);
    for (std::string word; emulator >> word;)
        words.push_back(word);
    words.push_back(PELMOXCTL_PATH);
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
           WEXITSTATUS(status) != 0;
}

struct Result {
    const char* name;
    double expectedMs;
    // pelmoxctl: the link's own measured time for the same exchanges, plus the process start,
    // so that what the program adds shows apart from the link's overhead.
    double linkMs = 0;
    double medianWall = 0;
    double cpuPerRun = 0;
    double cpuShare = 0;
    bool failed = false;
};

Result measure(const char* name, double expectedMs, const std::function<bool()>& command,
               int who = RUSAGE_SELF) {
    Result result{name, expectedMs};
    std::vector<double> walls;
    double wallTotal = 0, cpuTotal = 0;
    for (int run = 0; run < kRuns; ++run) {
        const double cpuStart = cpuSeconds(who);
        const auto start = Clock::now();
        result.failed |= command();
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        cpuTotal += cpuSeconds(who) - cpuStart;
        wallTotal += wall;
        walls.push_back(wall);
    }
    std::sort(walls.begin(), walls.end());
    result.medianWall = walls[walls.size() / 2];
    result.cpuPerRun = cpuTotal / kRuns;
    result.cpuShare = cpuTotal / wallTotal;
    return result;
}

double ms(milliseconds time) {
    return static_cast<double>(time.count());
}

bool printTable(const char* heading, const char* expected, std::span<const Result> results) {
    std::printf("\n%s\n%-24s %10s %17s %7s %8s %9s %9s\n", heading, "command", "median ms",
                expected, "ratio", "CPU ms", "CPU/wall", "vs link");
    bool failed = false;
    for (const Result& r : results) {
        const double wallMs = r.medianWall * 1000;
        std::printf("%-24s %10.1f %17.0f %7.4f %8.2f %8.3f%%", r.name, wallMs, r.expectedMs,
                    wallMs / r.expectedMs, r.cpuPerRun * 1000, r.cpuShare * 100);
        if (r.linkMs > 0)
            std::printf(" %9.4f", wallMs / r.linkMs);
        std::printf("%s\n", r.failed ? "  (command failed)" : "");
        failed |= r.failed;
    }
    return failed;
}

// What the backup before a write costs: each write with it against the same write without it
// (--no-backup). A write that reads the tracker anyway (a file with one key) should take no more
// than 3% or 5 ms longer; the others add one verified read of the tracker (the link's own time,
// readMs) and should take no more than 3% longer than that read plus the write without it.
// The two are timed in turn, run by run, so that a machine busy with other work slows both alike.
struct BackupFiles {
    std::string settings, partial, image;
};

template <typename Command>
bool benchBackups(const Command& command, double readMs, const BackupFiles& files) {
    struct Write {
        const char* name;
        std::vector<std::string> words;
        bool readsAnyway;
    };
    const std::array<Write, 3> writes = {
        Write{"write FILE (one key)", {"write", "--force", files.partial}, true},
        Write{"write FILE", {"write", "--force", files.settings}, false},
        Write{"write --image FILE", {"write", "--force", "--image", files.image}, false},
    };
    constexpr int kPairs = 7;
    std::printf(
        "\nthe backup before a write (%d runs each, in turns; median ms)\n"
        "%-22s %9s %11s %13s %8s %8s %7s\n",
        kPairs, "command", "backup", "no backup", "no backup+read", "added", "ratio", "within");
    bool failed = false;
    for (const Write& write : writes) {
        std::vector<std::string> without = write.words;
        without.insert(without.begin() + 1, "--no-backup");
        const auto with = command(write.words);
        const auto bare = command(without);
        const auto timed = [&failed](const auto& run, std::vector<double>& times) {
            const auto start = Clock::now();
            failed |= run();
            times.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        };
        std::vector<double> withMs, withoutMs;
        for (int run = 0; run < kPairs; ++run) {
            timed(with, withMs);
            timed(bare, withoutMs);
        }
        const auto median = [](std::vector<double> times) {
            std::sort(times.begin(), times.end());
            return times[times.size() / 2];
        };
        const double backup = median(withMs);
        const double plain = median(withoutMs);
        const double baseline = write.readsAnyway ? plain : plain + readMs;
        const double added = backup - baseline;
        const bool within = added <= baseline * 0.03 || (write.readsAnyway && added <= 5);
        std::printf("%-22s %9.1f %11.1f %13.1f %8.1f %8.4f %7s\n", write.name, backup, plain,
                    write.readsAnyway ? plain : baseline, added, backup / baseline,
                    within ? "yes" : "NO");
    }
    return failed;
}

// Each pelmoxctl command against the protocol's time for the exchanges it runs, plus the time a
// process that only prints its version takes from start to end.
// link: the link's own results for find tracker, read and write image verified, and tone.
bool benchPelmoxctl(const std::string& device, std::size_t versionLength,
                    std::span<const Result, 4> link) {
    namespace fs = std::filesystem;
    std::string dirName = (fs::temp_directory_path() / "pelmox-bench-XXXXXX").string();
    if (mkdtemp(dirName.data()) == nullptr)
        return true;
    const fs::path dir(dirName);
    const std::string settings = (dir / "settings.toml").string();
    const std::string partial = (dir / "partial.toml").string();
    const std::string image = (dir / "image.bin").string();
    const std::vector<std::string> port{"--port", device};
    // The backups the writes keep stay in the benchmark's folder.
    setenv("XDG_STATE_HOME", (dir / "state").string().c_str(), 1);
    const auto command = [&](std::vector<std::string> words) {
        words.insert(words.begin(), port.begin(), port.end());
        return [words] { return runPelmoxctl(words); };
    };
    if (runPelmoxctl({"--port", device, "read", "--output", settings, "--image", image})) {
        std::fprintf(stderr, "pelmox-bench: %s cannot read the tracker\n", PELMOXCTL_PATH);
        return true;
    }
    if (FILE* out = std::fopen(partial.c_str(), "w")) {
        std::fputs("callsign = \"NOCALL\"\n", out);
        std::fclose(out);
    }

    const Result start = measure(
        "(start, --version)", 1, [] { return runPelmoxctl({"--version"}); }, RUSAGE_CHILDREN);
    const double startMs = start.medianWall * 1000;
    const double identify = ms(exchange_time::identify(versionLength)) + startMs;
    const double readVerified = ms(exchange_time::readVerified());
    const double writeVerified = ms(exchange_time::writeVerified());
    std::array<Result, 7> results = {
        measure("version", identify, command({"version"}), RUSAGE_CHILDREN),
        measure("read", identify + readVerified, command({"read"}), RUSAGE_CHILDREN),
        // Every write reads the tracker first for its backup (benchBackups sets it apart), and
        // is forced: the tracker already holds what each would send, and would be left alone.
        measure("write FILE", identify + readVerified + writeVerified,
                command({"write", "--force", settings}), RUSAGE_CHILDREN),
        measure("write FILE (one key)", identify + readVerified + writeVerified,
                command({"write", "--force", partial}), RUSAGE_CHILDREN),
        measure("write --image FILE", identify + readVerified + writeVerified,
                command({"write", "--force", "--image", image}), RUSAGE_CHILDREN),
        measure("tone 1200", identify + ms(exchange_time::tone()), command({"tone", "1200"}),
                RUSAGE_CHILDREN),
        measure(
            "ports", startMs, [] { return runPelmoxctl({"ports"}); }, RUSAGE_CHILDREN),
    };
    const auto linkMs = [&](std::size_t i) { return link[i].medianWall * 1000; };
    const std::array<double, 7> linkTimes = {
        linkMs(0),
        linkMs(0) + linkMs(1),
        linkMs(0) + linkMs(1) + linkMs(2),
        linkMs(0) + linkMs(1) + linkMs(2),
        linkMs(0) + linkMs(1) + linkMs(2),
        linkMs(0) + linkMs(3),
        0,
    };
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (linkTimes[i] > 0)
            results[i].linkMs = linkTimes[i] + startMs;
    }
    std::printf("\npelmoxctl processes: start and end alone (--version) %.1f ms, CPU %.2f ms\n",
                startMs, start.cpuPerRun * 1000);
    bool failed = printTable("pelmoxctl commands", "protocol+start ms", results);
    failed |= benchBackups(command, link[1].medianWall * 1000, {settings, partial, image});
    fs::remove_all(dir);
    return failed;
}

// Idle processes, each a sleep(1) that the benchmark ends when it is done.
class IdleProcesses {
  public:
    explicit IdleProcesses(int count) {
        char sleep[] = "sleep";
        char time[] = "3600";
        char* argv[] = {sleep, time, nullptr};
        for (int i = 0; i < count; ++i) {
            pid_t pid = -1;
            if (posix_spawnp(&pid, sleep, nullptr, nullptr, argv, environ) == 0)
                pids_.push_back(pid);
        }
    }
    ~IdleProcesses() {
        for (const pid_t pid : pids_)
            kill(pid, SIGTERM);
        for (const pid_t pid : pids_)
            waitpid(pid, nullptr, 0);
    }
    IdleProcesses(const IdleProcesses&) = delete;
    IdleProcesses& operator=(const IdleProcesses&) = delete;
    std::size_t count() const { return pids_.size(); }

  private:
    std::vector<pid_t> pids_;
};

std::size_t processCount() {
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        count += !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
    }
    return count;
}

// One search for another program holding the device: the median time, and the CPU it burns.
struct SearchCost {
    double medianMs;
    double cpuMs;
};

SearchCost holderSearch(const std::string& device) {
    constexpr int kSearches = 21;
    std::vector<double> times;
    const double cpuStart = cpuSeconds(RUSAGE_SELF);
    for (int i = 0; i < kSearches; ++i) {
        const auto start = Clock::now();
        if (port_holder::otherProgramsHold(device))
            std::fprintf(stderr, "pelmox-bench: %s is held by another program\n", device.c_str());
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], (cpuSeconds(RUSAGE_SELF) - cpuStart) * 1000 / kSearches};
}

}  // namespace

int main(int argc, char** argv) {
    int extraProcesses = 0;
    if (argc == 3 && std::string_view(argv[1]) == "--processes")
        extraProcesses = std::atoi(argv[2]);
    const IdleProcesses idle(extraProcesses);
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
        measure("find tracker", ms(exchange_time::identify(versionLength)),
                [&] { return link.findTracker(std::span(reply).first(kReplyCapacity)); }),
        measure("read image verified", ms(exchange_time::readVerified()),
                [&] {
                    std::array<std::uint8_t, kImageBuffer> buffer{};
                    return link.readImageVerified(buffer) != kImageSize;
                }),
        measure("write image verified", ms(exchange_time::writeVerified()),
                [&] { return link.writeImageVerified(stored); }),
        measure("tone", ms(exchange_time::tone()), [&] { return link.tone('1'); }),
    };

    std::printf("%d runs each against a simulated tracker on %s\n", kRuns, device.c_str());
    const SearchCost search = holderSearch(device);
    std::printf(
        "%zu processes on the system (%zu started idle); the search for another holder "
        "of the port: %.2f ms, CPU %.2f ms\n",
        processCount(), idle.count(), search.medianMs, search.cpuMs);
    bool failed = printTable("link commands", "protocol ms", results);
    failed |= benchPelmoxctl(device, versionLength, std::span<const Result, 4>(results));

    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return failed ? 1 : 0;
}
