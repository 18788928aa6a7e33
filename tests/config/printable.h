// Shows test texts with their control characters and high bytes escaped, so that test
// names and failure messages stay on one readable line.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

inline std::string printable(std::string_view text) {
    std::string out = "'";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            out += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    return out + "'";
}
