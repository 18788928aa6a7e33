# Cross-compiling for 32-bit ARM Linux with hardware floating point (armhf, ARMv7: a Raspberry
# Pi 2 or later under a 32-bit system) with Debian's cross compiler and the armhf libraries of
# this machine's multiarch dpkg.
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/debian-multiarch.cmake)
