#include "station_address.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "printable.h"

namespace {

using Field = std::array<std::uint8_t, StationAddress::kFieldSize>;

struct ParseCase {
    std::string_view text;
    std::string_view name;  // always six characters
    int ssid;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << printable(c.text);
}

class ParseAddress : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseAddress, GivesNameAndSsid) {
    const ParseCase& c = GetParam();
    const StationAddress address = StationAddress::parse(c.text);
    EXPECT_EQ(std::string_view(address.name.data(), address.name.size()), c.name);
    EXPECT_EQ(address.ssid, c.ssid);
}

using namespace std::string_view_literals;

INSTANTIATE_TEST_SUITE_P(
    Examples, ParseAddress,
    ::testing::Values(ParseCase{"n0call-5", "N0CALL", 5}, ParseCase{"AB CD-3", "ABCD  ", 3},
                      ParseCase{"WIDE3-3", "WIDE3 ", 3}, ParseCase{"TOOLONGCALL-2", "TOOLON", 2},
                      ParseCase{"RELAY,WIDE", "RELAY ", 0}, ParseCase{"X-16", "X     ", 0},
                      ParseCase{"", "      ", 0}, ParseCase{"ABCDEFGH-7", "ABCDEF", 7},
                      ParseCase{"N0CALL - 5", "N0CALL", 5}, ParseCase{"N0CALL-X", "N0CALL", 0},
                      ParseCase{"N0CALL-99", "N0CALL", 0}, ParseCase{"N0CALL--3", "N0CALL", 0},
                      ParseCase{"N0CALL-15", "N0CALL", 15}, ParseCase{"N0CALL-0", "N0CALL", 0},
                      ParseCase{"N0CALL-+7", "N0CALL", 7}, ParseCase{"N0CALL-\t\n 4x", "N0CALL", 4},
                      ParseCase{"N0CALL-", "N0CALL", 0},
                      ParseCase{"N0CALL-00000000000000000000009", "N0CALL", 9},
                      // A digit string far beyond any integer is still just out of range.
                      ParseCase{"N0CALL-99999999999999999999999999", "N0CALL", 0},
                      ParseCase{"N0CALL--99999999999999999999999999", "N0CALL", 0},
                      // The scan stops at the first punctuation, wherever it is.
                      ParseCase{"N0CALL/P-3", "N0CALL", 0}, ParseCase{"K1*-3", "K1    ", 0},
                      ParseCase{"-5", "      ", 5}, ParseCase{"\x7F-5", "      ", 0},
                      // Control characters and bytes from 0x80 up are stepped over, not a stop.
                      ParseCase{"K\xC4\xB1X\t9-2", "KX9   ", 2},
                      ParseCase{"\x01\x1F\x80\xFF"sv, "      ", 0},
                      // A text ends at its terminator.
                      ParseCase{"AB\0CD-4"sv, "AB    ", 0}));

struct NormaliseCase {
    std::string_view text;
    std::string_view canonical;
};

void PrintTo(const NormaliseCase& c, std::ostream* os) {
    *os << printable(c.text);
}

class NormaliseAddress : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseAddress, GivesCanonicalText) {
    EXPECT_EQ(normaliseAddress(GetParam().text), GetParam().canonical);
}

INSTANTIATE_TEST_SUITE_P(Examples, NormaliseAddress,
                         ::testing::Values(NormaliseCase{"n0call-0", "N0CALL"},
                                           NormaliseCase{"wide3-3", "WIDE3-3"},
                                           NormaliseCase{"  k1abc - 12  ", "K1ABC-12"},
                                           NormaliseCase{"ab cd", "ABCD"}, NormaliseCase{"", ""},
                                           NormaliseCase{"-5", "-5"},
                                           NormaliseCase{"relay,wide", "RELAY"},
                                           NormaliseCase{"ABCDEF-15", "ABCDEF-15"}));

struct FieldCase {
    std::string_view text;
    Field field;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << printable(c.text);
}

class EncodeField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(EncodeField, ShiftsCharactersAndSetsReservedBits) {
    EXPECT_EQ(StationAddress::parse(GetParam().text).field(), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EncodeField,
    ::testing::Values(FieldCase{"APZQ17", {0x82, 0xA0, 0xB4, 0xA2, 0x62, 0x6E, 0x60}},
                      FieldCase{"NOCALL", {0x9C, 0x9E, 0x86, 0x82, 0x98, 0x98, 0x60}},
                      FieldCase{"WIDE3-3", {0xAE, 0x92, 0x88, 0x8A, 0x66, 0x40, 0x66}},
                      FieldCase{"", {0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x60}},
                      FieldCase{"Z9-15", {0xB4, 0x72, 0x40, 0x40, 0x40, 0x40, 0x7E}}));

TEST(EncodeField, SsidOutsideItsRangeIsEncodedAsZero) {
    StationAddress address = StationAddress::parse("N0CALL");
    for (const int ssid : {-1, 16, 64, 1000}) {
        address.ssid = ssid;
        EXPECT_EQ(address.field()[6], 0x60) << ssid;
    }
}

struct DecodeCase {
    Field field;
    std::string_view text;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << printable(c.text);
}

class DecodeField : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeField, GivesCanonicalText) {
    EXPECT_EQ(decodeAddressField(GetParam().field), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DecodeField,
    ::testing::Values(DecodeCase{{0x9C, 0x9E, 0x86, 0x82, 0x98, 0x98, 0x60}, "NOCALL"},
                      // The extension bit does not matter to the text.
                      DecodeCase{{0xAE, 0x92, 0x88, 0x8A, 0x66, 0x40, 0x67}, "WIDE3-3"},
                      // Has-been-repeated bit set: the SSID is no longer shown.
                      DecodeCase{{0xAE, 0x92, 0x88, 0x8A, 0x62, 0x40, 0xE3}, "WIDE1"},
                      DecodeCase{{0xAE, 0x92, 0x88, 0x8A, 0x62, 0x40, 0xE2}, "WIDE1"},
                      // Reserved bits clear change nothing.
                      DecodeCase{{0xAE, 0x92, 0x88, 0x8A, 0x62, 0x40, 0x02}, "WIDE1-1"},
                      DecodeCase{{0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x60}, ""},
                      DecodeCase{{0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x6A}, "-5"},
                      // Lower case and an inner blank, as another program might have stored them.
                      DecodeCase{{0xDC, 0x60, 0x40, 0x86, 0x82, 0x98, 0x64}, "N0CAL-2"},
                      // A zero character ends the name.
                      DecodeCase{{0x82, 0x84, 0x00, 0x86, 0x88, 0x40, 0x64}, "AB-2"},
                      // Punctuation inside the name stops it, and what follows is no SSID.
                      DecodeCase{{0x82, 0x5A, 0x84, 0x40, 0x40, 0x40, 0x64}, "A"}));

TEST(StationAddress, EveryNameAndSsidSurvivesTheFieldRoundTrip) {
    for (const std::string_view name : {"N0CALL", "A", "W1AW", "wide2"}) {
        for (int ssid = 0; ssid <= StationAddress::kMaxSsid; ++ssid) {
            const std::string text = std::string(name) + "-" + std::to_string(ssid);
            const StationAddress address = StationAddress::parse(text);
            EXPECT_EQ(address.ssid, ssid);
            EXPECT_EQ(decodeAddressField(address.field()), normaliseAddress(text)) << text;
        }
    }
}

}  // namespace
