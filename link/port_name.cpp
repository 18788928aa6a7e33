#include "port_name.h"

std::string portDeviceName(int number, PortPlatform platform) {
    if (!isValidPortNumber(number))
        return {};
    switch (platform) {
        case PortPlatform::Windows:
            return "COM" + std::to_string(number);
        case PortPlatform::MacOS:
            return "/dev/cu.serial" + std::to_string(number);
        case PortPlatform::Linux:
            break;
    }
    return "/dev/ttyS" + std::to_string(number - 1);
}
