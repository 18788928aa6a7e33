# What the Linux cross toolchain files share (linux-<arch>.cmake names CMAKE_SYSTEM_PROCESSOR,
# the multiarch triplet CMAKE_LIBRARY_ARCHITECTURE and the qemu-user emulator the tests run
# under). Headers and libraries are the target's own, from the multiarch folders
# (/usr/lib/<triplet>); Qt's moc, uic and rcc are this machine's (qt6-base-dev-tools).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${CMAKE_LIBRARY_ARCHITECTURE}-gcc)
set(CMAKE_CXX_COMPILER ${CMAKE_LIBRARY_ARCHITECTURE}-g++)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(QT_HOST_PATH /usr)
