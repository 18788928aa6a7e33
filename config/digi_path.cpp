#include "digi_path.h"

#include <algorithm>

namespace {

constexpr char kSeparator = ',';

}  // namespace

std::vector<StationAddress> splitDigiPath(std::string_view path) {
    path = path.substr(0, std::min(path.size(), path.find('\0')));
    std::vector<StationAddress> addresses;
    std::size_t position = 0;
    while (position < path.size()) {
        // The parser stops by itself at the comma that ends this element.
        addresses.push_back(StationAddress::parse(path.substr(position)));
        position = path.find(kSeparator, position);
        if (position == std::string_view::npos) {
            break;
        }
        ++position;
    }
    return addresses;
}

void appendToDigiPath(std::string& path, std::string_view address) {
    if (!path.empty()) {
        path += kSeparator;
    }
    path += address;
}

std::string joinDigiPath(std::span<const std::string> addresses) {
    std::string path;
    for (const std::string& address : addresses) {
        appendToDigiPath(path, address);
    }
    return path;
}
