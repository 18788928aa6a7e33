#include "port_name.h"

#include <string_view>

namespace {

// The prefix with the number appended. Built by appending: GCC 12 warns, wrongly, that
// prepending a literal to a temporary string overlaps itself (-Wrestrict, on armhf).
std::string numbered(std::string_view prefix, int number) {
    std::string name(prefix);
    name += std::to_string(number);
    return name;
}

}  // namespace

std::string portDeviceName(int number, PortPlatform platform) {
    if (!isValidPortNumber(number))
        return {};
    switch (platform) {
        case PortPlatform::Windows:
            return numbered("COM", number);
        case PortPlatform::MacOS:
            return numbered("/dev/cu.serial", number);
        case PortPlatform::Linux:
            break;
    }
    return numbered("/dev/ttyS", number - 1);
}
