# Cross-compiling for 64-bit ARM Linux (arm64: a Raspberry Pi 3, 4, 5 or Zero 2 W under a 64-bit
# system) with Debian's cross compiler and the arm64 libraries of this machine's multiarch dpkg.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/debian-multiarch.cmake)
