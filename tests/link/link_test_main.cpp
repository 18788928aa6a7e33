// QSerialPort wants an application object; the link itself never runs its event loop.
// Started with --hold-port <device>, the program instead plays another program that holds a
// serial port: it opens the device, says "held", and keeps it until its input closes.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QSerialPort>

#include <cstdio>
#include <string_view>

namespace {

int holdPort(const char* device) {
    QSerialPort port;
    port.setPortName(QString::fromLocal8Bit(device));
    if (!port.open(QIODevice::ReadWrite))
        return 1;
    std::puts("held");
    std::fflush(stdout);
    while (std::fgetc(stdin) != EOF) {
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::string_view(argv[1]) == "--hold-port")
        return holdPort(argv[2]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
