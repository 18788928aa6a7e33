// A packet-radio station address ("N0CALL-5"): its text form, its canonical six-character
// form with SSID, and the seven-byte AX.25 address field that the image embeds.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

struct StationAddress {
    static constexpr std::size_t kNameLength = 6;
    static constexpr std::size_t kFieldSize = 7;
    static constexpr int kMaxSsid = 15;

    std::array<char, kNameLength> name{' ', ' ', ' ', ' ', ' ', ' '};  // blank-padded
    int ssid = 0;

    // Reads one address from the start of text; stops at the first punctuation character.
    // The text ends at its first zero byte, as a terminated buffer would.
    static StationAddress parse(std::string_view text);
    // True when parse() keeps all of the text, letter case and blanks around it aside: at most
    // six letters or digits, then optionally a dash and an SSID from 0 to 15, and nothing more.
    // An empty text is the blank address. Anything else parse() would cut, zero or stop short of.
    static bool isExact(std::string_view text);
    // Canonical text: "NAME-SSID", or the bare name when the SSID is 0.
    std::string text() const;
    // The seven-byte field with the extension bit clear.
    std::array<std::uint8_t, kFieldSize> field() const;
};

// Canonical text of a seven-byte address field, as the window shows it: an SSID above 15
// (the has-been-repeated bit was set) is dropped, an all-blank field with SSID 0 is empty.
std::string decodeAddressField(std::span<const std::uint8_t, StationAddress::kFieldSize> field);

// Canonical text of an address text: 'n0call-0' -> 'N0CALL', 'wide3-3' -> 'WIDE3-3'.
std::string normaliseAddress(std::string_view text);
