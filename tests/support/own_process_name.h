// The name the kernel gives this test process, as another program looking at it sees it. Under
// an emulator (qemu-user) that is the emulator's name, not the test program's.
#pragma once

#include <fstream>
#include <string>

inline std::string ownProcessName() {
    std::ifstream comm("/proc/self/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}
