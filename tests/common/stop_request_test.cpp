// The signals a StopRequest holds off, sent to this test's own thread in the middle of a blocking
// read: each is noted (SIGTSTP as a pause, the others as a stop), and none cuts the read short, as
// none may cut short a system call of an upload.
#include <gtest/gtest.h>
#include <pthread.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

#include "stop_request.h"

namespace {

TEST(StopRequestTest, EachSignalIsNotedWithoutCuttingASystemCallShort) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGTSTP}) {
        // As an interactive shell starts a program, whatever this test was started with.
        ::signal(signal, SIG_DFL);
        std::array<int, 2> pipe{};
        ASSERT_EQ(::pipe(pipe.data()), 0);
        {
            StopRequest stop;
            const pthread_t reader = ::pthread_self();
            std::thread other([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                ::pthread_kill(reader, signal);
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                [[maybe_unused]] const ssize_t written = ::write(pipe[1], "x", 1);
            });
            char byte = 0;
            errno = 0;
            const ssize_t got = ::read(pipe[0], &byte, 1);
            const int error = errno;
            other.join();
            EXPECT_EQ(got, 1) << signal << ": " << std::strerror(error);
            EXPECT_EQ(stop.requested(), signal != SIGTSTP) << signal;
            EXPECT_EQ(stop.pauseRequested(), signal == SIGTSTP) << signal;
            EXPECT_TRUE(stop.waitFor(std::chrono::milliseconds(0))) << signal;
        }
        ::close(pipe[0]);
        ::close(pipe[1]);
    }
}

}  // namespace
