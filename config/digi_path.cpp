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

std::optional<std::string_view> firstInexactAddress(std::string_view path) {
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t end = std::min(path.find(kSeparator, start), path.size());
        const std::string_view element = path.substr(start, end - start);
        if (!StationAddress::isExact(element))
            return element;
        start = end + 1;
    }
    return std::nullopt;
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
