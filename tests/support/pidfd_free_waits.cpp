// Linked into the cross build's tests that start programs. Debian 12's qemu-user (7.2) refuses
// clone() with CLONE_PIDFD, which QProcess uses (through Qt's forkfd) whenever the kernel
// answers a wait on a process file descriptor, so under it every QProcess fails to start. Here
// such a wait is answered as by a kernel without process file descriptors, and QProcess starts
// its programs with fork(), which qemu-user emulates.
#include <dlfcn.h>
#include <sys/syscall.h>
#include <sys/wait.h>

#include <array>
#include <cerrno>
#include <cstdarg>

// Takes six arguments whatever the call passed, as the C library's own syscall() does, and hands
// them on unchanged.
extern "C" long syscall(long number, ...) noexcept {
    std::array<long, 6> args{};
    va_list list;
    va_start(list, number);
    for (long& arg : args)
        arg = va_arg(list, long);
    va_end(list);
    if (number == SYS_waitid && args[0] == P_PIDFD) {
        errno = EINVAL;
        return -1;
    }
    using Syscall = long (*)(long, ...);
    static const auto next = reinterpret_cast<Syscall>(dlsym(RTLD_NEXT, "syscall"));
    return next(number, args[0], args[1], args[2], args[3], args[4], args[5]);
}
