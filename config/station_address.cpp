#include "station_address.h"

#include <algorithm>

namespace {

// Punctuation in this range ends the name (dash, comma, asterisk, ...); blanks, control
// characters and bytes from 0x80 up are stepped over instead.
constexpr unsigned char kFirstStop = 0x21;
constexpr unsigned char kLastStop = 0x7F;
constexpr char kSsidSeparator = '-';
constexpr char kBlank = ' ';

// SSID octet: the two reserved bits ride above the SSID; decoding keeps the former
// command/has-been-repeated bit (value 64) so that a repeated field is recognised as out of range.
constexpr int kSsidReservedBits = 0x30;
constexpr int kSsidOctetMask = 0xCF;

// Any SSID text beyond this is out of range anyway; bounding the conversion keeps a long
// digit string from overflowing.
constexpr int kSsidConversionCap = 1000;
// "-15" at most; more digits are a mistake even when they read as a small number.
constexpr std::size_t kMostSsidDigits = 2;

bool isAsciiAlnum(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

char toAsciiUpper(unsigned char c) {
    return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}

bool isAsciiDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

bool isConversionSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Texts come from terminated buffers: whatever follows a zero byte is not part of them.
std::string_view untilTerminator(std::string_view text) {
    return text.substr(0, std::min(text.size(), text.find('\0')));
}

// Reads a decimal number the way the standard string-to-integer conversion does (leading
// white space, optional sign, digits up to the first non-digit, none gives 0), but
// saturating instead of overflowing.
int readSsidNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isConversionSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(value * 10 + (text[i] - '0'), kSsidConversionCap);
    }
    return negative ? -value : value;
}

}  // namespace

StationAddress StationAddress::parse(std::string_view text) {
    text = untilTerminator(text);
    StationAddress address;
    std::size_t length = 0;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (isAsciiAlnum(c)) {
            // Alphanumerics past the sixth are skipped, not a stop, so a following SSID is
            // still found.
            if (length < kNameLength) {
                address.name[length++] = toAsciiUpper(c);
            }
        } else if (c >= kFirstStop && c <= kLastStop) {
            break;
        }
    }
    if (i < text.size() && text[i] == kSsidSeparator) {
        const int ssid = readSsidNumber(text.substr(i + 1));
        address.ssid = (ssid >= 0 && ssid <= kMaxSsid) ? ssid : 0;
    }
    return address;
}

bool StationAddress::isExact(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos)
        return true;
    text = text.substr(first, text.find_last_not_of(kBlank) + 1 - first);
    const std::size_t dash = text.find(kSsidSeparator);
    const std::string_view name = text.substr(0, dash);
    const auto all = [](std::string_view part, bool (*is)(unsigned char)) {
        return std::all_of(part.begin(), part.end(),
                           [is](char c) { return is(static_cast<unsigned char>(c)); });
    };
    if (name.size() > kNameLength || !all(name, isAsciiAlnum))
        return false;
    if (dash == std::string_view::npos)
        return true;
    const std::string_view ssid = text.substr(dash + 1);
    return !ssid.empty() && ssid.size() <= kMostSsidDigits && all(ssid, isAsciiDigit) &&
           readSsidNumber(ssid) <= kMaxSsid;
}

std::string StationAddress::text() const {
    std::string_view shown(name.data(), name.size());
    shown = shown.substr(0, shown.find_last_not_of(kBlank) + 1);
    std::string out(shown);
    if (ssid != 0) {
        out += kSsidSeparator;
        out += std::to_string(ssid);
    }
    return out;
}

std::array<std::uint8_t, StationAddress::kFieldSize> StationAddress::field() const {
    std::array<std::uint8_t, kFieldSize> out{};
    for (std::size_t i = 0; i < kNameLength; ++i) {
        out[i] = static_cast<std::uint8_t>(static_cast<unsigned char>(name[i]) << 1);
    }
    const int inRange = (ssid >= 0 && ssid <= kMaxSsid) ? ssid : 0;
    out[kNameLength] = static_cast<std::uint8_t>((inRange | kSsidReservedBits) << 1);
    return out;
}

std::string decodeAddressField(std::span<const std::uint8_t, StationAddress::kFieldSize> field) {
    // The name ends at a zero character, as a terminated text would.
    std::string text;
    for (std::size_t i = 0; i < StationAddress::kNameLength; ++i) {
        const char c = static_cast<char>(field[i] >> 1);
        if (c == '\0') {
            break;
        }
        text += c;
    }
    const int ssidValue = (field[StationAddress::kNameLength] >> 1) & kSsidOctetMask;
    text += kSsidSeparator;
    text += std::to_string(ssidValue);
    return normaliseAddress(text);
}

std::string normaliseAddress(std::string_view text) {
    return StationAddress::parse(text).text();
}
