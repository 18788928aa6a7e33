// A file that never says what it is, as one on a network mount whose server has gone: a FUSE
// file system of the test's own (straight over /dev/fuse) that answers every question but the
// one for a file's attributes, once a process holds the file. It lives in a child process with
// a mount namespace of its own, which takes root; the holder is that child's child, which also
// holds the devices it is given. The file is named in a directory called dev, as a device would
// be.
#pragma once

#include <fcntl.h>
#include <linux/fuse.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

class StalledMount {
  public:
    static constexpr const char* kFileName = "ttyUSB0";

    // directory: an empty directory called dev. Returns once the holder has the file and the
    // devices open, or it is known why not (reason()).
    StalledMount(const std::string& directory, const std::vector<std::string>& devices)
        : directory_(directory) {
        if (::geteuid() != 0) {
            reason_ = "mounting a file system of the test's own takes root";
            return;
        }
        int report[2];
        if (::pipe(report) != 0)
            return;
        server_ = ::fork();
        if (server_ == 0) {
            ::close(report[0]);
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            serve(report[1], devices);
        }
        ::close(report[1]);
        std::array<char, 256> text{};
        std::size_t filled = 0;
        pollfd in{report[0], POLLIN, 0};
        while (filled < text.size() - 1 && ::poll(&in, 1, kStartMs) > 0) {
            const ssize_t n = ::read(report[0], text.data() + filled, text.size() - 1 - filled);
            if (n <= 0)
                break;
            filled += static_cast<std::size_t>(n);
        }
        ::close(report[0]);
        const std::string said(text.data(), filled);
        if (said.starts_with(kHeld)) {
            holder_ = std::stoi(said.substr(std::strlen(kHeld)));
        } else {
            reason_ = said.empty() ? "the FUSE server did not start" : said;
        }
    }
    ~StalledMount() { stop(); }
    StalledMount(const StalledMount&) = delete;
    StalledMount& operator=(const StalledMount&) = delete;

    // The holder's pid; 0 where there is none, and reason() says why.
    pid_t holder() const { return holder_; }
    const std::string& reason() const { return reason_; }

    // Ends the server: whatever waits for the file is answered at once that it is gone.
    void stop() {
        if (server_ <= 0)
            return;
        ::kill(server_, SIGKILL);
        ::waitpid(server_, nullptr, 0);
        server_ = -1;
    }

  private:
    static constexpr const char* kHeld = "held ";
    static constexpr int kStartMs = 10'000;
    static constexpr std::uint64_t kFileNode = 2;
    static constexpr int kFirstDevice = 64;
    // Enough for any request the kernel sends with its default limits.
    static constexpr std::size_t kRequestRoom = 256 * 1024;

    [[noreturn]] void serve(int report, const std::vector<std::string>& devices) {
        const auto fail = [&](const std::string& what) {
            const std::string text = what + ": " + std::strerror(errno);
            [[maybe_unused]] const ssize_t n = ::write(report, text.data(), text.size());
            ::_exit(1);
        };
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            fail("no mount namespace of its own");
        fuse_ = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
        if (fuse_ < 0)
            fail("/dev/fuse cannot be used");
        const std::string options =
            "fd=" + std::to_string(fuse_) + ",rootmode=40000,user_id=0,group_id=0";
        if (::mount("pelmox-stalled", directory_.c_str(), "fuse", MS_NOSUID | MS_NODEV,
                    options.c_str()) != 0)
            fail("no FUSE mount here");
        int held[2];
        if (::pipe(held) != 0)
            fail("pipe");
        const pid_t holder = ::fork();
        if (holder == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            // None of the test program's descriptors (a pseudo-terminal's master among them,
            // which would make the holder the line's far end), nor the file system's line.
            constexpr int kSaid = 3;
            ::dup2(held[1], kSaid);
            ::close_range(kSaid + 1, ~0U, 0);
            // The file first, so that a search meets it before the devices.
            if (::open((directory_ + "/" + kFileName).c_str(), O_RDONLY) < 0)
                ::_exit(1);
            // The devices past a gap in the numbers, as a program has them that closed some.
            int number = kFirstDevice;
            for (const std::string& device : devices) {
                const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
                if (fd < 0 || ::dup2(fd, number++) < 0)
                    ::_exit(1);
                ::close(fd);
            }
            [[maybe_unused]] const ssize_t n = ::write(kSaid, "", 1);
            for (;;)
                ::pause();
        }
        ::close(held[1]);
        std::vector<char> request(kRequestRoom);
        bool stalled = false;
        for (;;) {
            std::array<pollfd, 2> ready{pollfd{fuse_, POLLIN, 0}, pollfd{held[0], POLLIN, 0}};
            if (::poll(ready.data(), stalled ? 1 : 2, -1) < 0 && errno != EINTR)
                ::_exit(1);
            if (!stalled && ready[1].revents != 0) {
                char byte = 0;
                if (::read(held[0], &byte, 1) != 1)
                    fail("the holder could not open the file and the devices");
                stalled = true;
                const std::string text = kHeld + std::to_string(holder);
                [[maybe_unused]] const ssize_t n = ::write(report, text.data(), text.size());
                ::close(report);
            }
            if ((ready[0].revents & POLLIN) == 0)
                continue;
            const ssize_t n = ::read(fuse_, request.data(), request.size());
            if (n < static_cast<ssize_t>(sizeof(fuse_in_header)))
                continue;
            fuse_in_header in{};
            std::memcpy(&in, request.data(), sizeof in);
            answer(in, request.data() + sizeof in, stalled);
        }
    }

    void answer(const fuse_in_header& in, const char* body, bool stalled) {
        switch (in.opcode) {
            case FUSE_INIT: {
                fuse_init_out init{};
                init.major = FUSE_KERNEL_VERSION;
                init.minor = FUSE_KERNEL_MINOR_VERSION;
                init.max_write = 4096;
                reply(in, 0, &init, sizeof init);
                return;
            }
            case FUSE_LOOKUP: {
                if (std::strcmp(body, kFileName) != 0)
                    return reply(in, -ENOENT, nullptr, 0);
                fuse_entry_out entry{};
                entry.nodeid = kFileNode;
                entry.attr = attributes(kFileNode);
                return reply(in, 0, &entry, sizeof entry);
            }
            case FUSE_GETATTR: {
                // The question a search must not ask: it would wait for ever.
                if (in.nodeid == kFileNode && stalled)
                    return;
                fuse_attr_out attr{};
                attr.attr = attributes(in.nodeid);
                return reply(in, 0, &attr, sizeof attr);
            }
            case FUSE_OPEN: {
                fuse_open_out open{};
                return reply(in, 0, &open, sizeof open);
            }
            case FUSE_FLUSH:
            case FUSE_RELEASE:
                return reply(in, 0, nullptr, 0);
            case FUSE_FORGET:
            case FUSE_BATCH_FORGET:
            case FUSE_INTERRUPT:
                return;  // never answered
            default:
                return reply(in, -ENOSYS, nullptr, 0);
        }
    }

    static fuse_attr attributes(std::uint64_t node) {
        fuse_attr attr{};
        attr.ino = node;
        attr.nlink = 1;
        attr.mode = node == kFileNode ? (S_IFREG | 0644) : (S_IFDIR | 0755);
        return attr;
    }

    void reply(const fuse_in_header& in, int error, const void* body, std::size_t size) {
        std::array<char, sizeof(fuse_out_header) + sizeof(fuse_entry_out) + 128> out{};
        fuse_out_header header{};
        header.len = static_cast<std::uint32_t>(sizeof header + size);
        header.error = error;
        header.unique = in.unique;
        std::memcpy(out.data(), &header, sizeof header);
        if (size > 0)
            std::memcpy(out.data() + sizeof header, body, size);
        [[maybe_unused]] const ssize_t n = ::write(fuse_, out.data(), header.len);
    }

    std::string directory_;
    std::string reason_;
    pid_t server_ = -1;
    pid_t holder_ = 0;
    int fuse_ = -1;
};
