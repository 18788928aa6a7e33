#include "aprs_advice.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "beacon_header.h"
#include "config_image.h"
#include "tracker_record.h"
#include "worked_example.h"

namespace {

using AprsAdvice::Level;
using AprsAdvice::Setting;

struct Expected {
    Level level;
    Setting setting;
    std::string_view fragment = {};  // a part of the text that matters, when one does
};

struct AdviceCase {
    const char* what;
    RecordValues values;
    std::vector<Expected> findings;
};

// A fixed weather station as the APRS network asks for it; each case changes it where a rule
// draws its line, on both sides of that line.
constexpr RecordValues kGood{"DL1ABC-13", "WIDE2-1", "PelmoxII", 128, 128, 300, 3, 600, 1500};

RecordValues call(std::string_view text) {
    RecordValues values = kGood;
    values.callsign = text;
    return values;
}

RecordValues path(std::string_view text, int interval = 600) {
    RecordValues values = kGood;
    values.digiPath = text;
    values.txIntervalSec = interval;
    return values;
}

template <class Field>
RecordValues number(Field RecordValues::*field, std::int32_t value) {
    RecordValues values = kGood;
    values.*field = value;
    return values;
}

// A view into one text that outlives every case, as the cases hold views of several lengths.
RecordValues status(std::size_t length) {
    static const std::string text(200, 'x');
    RecordValues values = kGood;
    values.statusText = std::string_view(text).substr(0, length);
    return values;
}

RecordValues intervalAndEvery(int interval, int every) {
    RecordValues values = path("", interval);
    values.statusEvery = every;
    return values;
}

TEST(AprsAdviceTest, EachRuleDrawsItsLineWhereTheNetworkDoes) {
    const AdviceCase cases[] = {
        {"good", kGood, {}},
        {"defaults",
         {"NOCALL", "WIDE3-3", "PelmoxII", 128, 128, 250, 3, 60, 1500},
         {{Level::Error, Setting::Callsign, "not a call sign"},
          {Level::Warning, Setting::DigiPath, "WIDE3-3 asks digipeaters for 3 hops"},
          {Level::Note, Setting::StatusEvery, "every 180 s"},
          {Level::Warning, Setting::TxInterval, "for this path (3 hops) use 1800 s"}}},
        {"empty call", call(""), {{Level::Error, Setting::Callsign}}},
        {"N0CALL", call("N0CALL-13"), {{Level::Error, Setting::Callsign}}},
        {"no digit", call("ABCDEF-13"), {{Level::Error, Setting::Callsign}}},
        {"no letter", call("123456-13"), {{Level::Error, Setting::Callsign}}},
        {"short call", call("K1A-13"), {}},
        {"no SSID", call("DL1ABC"), {{Level::Note, Setting::Callsign, "-13 is the usual"}}},
        {"SSID 12", call("DL1ABC-12"), {{Level::Note, Setting::Callsign}}},
        {"no path", path(""), {}},
        {"named digipeater", path("DB0ABC"), {}},
        {"WIDE2-2", path("WIDE2-2", 1200), {}},
        {"WIDE2-3", path("WIDE2-3", 1800), {{Level::Warning, Setting::DigiPath, "for 3 hops"}}},
        {"WIDE3-1", path("WIDE3-1"), {{Level::Warning, Setting::DigiPath, "WIDE3-1 asks"}}},
        {"two elements", path("WIDE2-1,WIDE2-1", 1200), {}},
        {"three elements",
         path("WIDE2-1,DB0ABC,DB0XYZ", 1800),
         {{Level::Warning, Setting::DigiPath, "3 path elements"}}},
        {"three hops",
         path("WIDE2-2,WIDE2-1", 1800),
         {{Level::Warning, Setting::DigiPath, "3 hops in all"}}},
        {"RELAY", path("RELAY"), {{Level::Warning, Setting::DigiPath, "RELAY is an obsolete"}}},
        {"WIDE", path("WIDE"), {{Level::Warning, Setting::DigiPath, "WIDE is an obsolete"}}},
        {"TRACE2-2", path("TRACE2-2", 1200), {{Level::Warning, Setting::DigiPath, "obsolete"}}},
        {"WIDE1-1 first",
         path("WIDE1-1,WIDE2-1", 1200),
         {{Level::Note, Setting::DigiPath, "fill-in digipeaters"}}},
        {"WIDE1-1 second", path("WIDE2-1,WIDE1-1", 1200), {}},
        {"299 s", path("WIDE2-1", 299), {{Level::Warning, Setting::TxInterval, "use 600 s"}}},
        {"300 s", path("WIDE2-1", 300), {{Level::Note, Setting::TxInterval, "(1 hop) use 600"}}},
        {"599 s, two hops",
         path("WIDE2-2", 1199),
         {{Level::Note, Setting::TxInterval, "(2 hops) use 1200 s"}}},
        {"status every 10 min", intervalAndEvery(300, 2), {{Level::Note, Setting::TxInterval}}},
        {"status more often",
         intervalAndEvery(599, 1),
         {{Level::Note, Setting::StatusEvery, "status every 4 gives 30 minutes"},
          {Level::Note, Setting::TxInterval}}},
        {"no status", intervalAndEvery(600, 0), {}},
        {"TXD 99",
         number(&RecordValues::keyupDelayMs, 99),
         {{Level::Warning, Setting::KeyupDelay}}},
        {"TXD 100", number(&RecordValues::keyupDelayMs, 100), {}},
        {"TXD 1000", number(&RecordValues::keyupDelayMs, 1000), {}},
        {"TXD 1001",
         number(&RecordValues::keyupDelayMs, 1001),
         {{Level::Note, Setting::KeyupDelay}}},
        {"status 62", status(62), {}},
        {"status 63", status(63), {{Level::Warning, Setting::StatusText, "63 characters"}}},
        {"Peet", number(&RecordValues::stationMode, CTrackerConfig::kModePeet), {}},
        {"mode 0", number(&RecordValues::stationMode, 0), {{Level::Error, Setting::Station}}},
        {"mode 192", number(&RecordValues::stationMode, 192), {{Level::Error, Setting::Station}}},
    };
    for (const AdviceCase& c : cases) {
        const std::vector<AprsAdvice::Finding> found = AprsAdvice::check(makeRecord(c.values));
        ASSERT_EQ(found.size(), c.findings.size()) << c.what;
        Level worst = Level::Note;
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].level, c.findings[i].level) << c.what << ": " << found[i].text;
            EXPECT_EQ(found[i].setting, c.findings[i].setting) << c.what << ": " << found[i].text;
            EXPECT_NE(found[i].text.find(c.findings[i].fragment), std::string::npos)
                << c.what << ": " << found[i].text;
            worst = std::max(worst, c.findings[i].level);
        }
        EXPECT_EQ(AprsAdvice::worst(found), worst) << c.what;
    }
}

std::array<std::uint8_t, ConfigImage::kSize> encoded(const RecordValues& values) {
    std::array<std::uint8_t, ConfigImage::kSize> image{};
    EXPECT_EQ(ConfigImage::encode(makeRecord(values), image), ConfigImage::kSize);
    return image;
}

// What a packet monitor would show of the frames the image makes, read from its own bytes.
TEST(BeaconHeaderTest, ShowsTheAddressFieldsAndTheStatusTextAsStored) {
    EXPECT_EQ(BeaconHeader::monitorLine(kDefaultImage), "NOCALL>APZQ17,WIDE3-3:PelmoxII");

    auto image = encoded({"dl1abc-13", "WIDE1-1,WIDE2-1", "Wx: 73!", 128, 128, 300, 3, 600, 0});
    EXPECT_EQ(BeaconHeader::monitorLine(image), "DL1ABC-13>APZQ17,WIDE1-1,WIDE2-1:Wx: 73!");
    image[9 + 3 * 7 - 1] |= 0x80;  // the first digipeater has repeated it
    EXPECT_EQ(BeaconHeader::monitorLine(image), "DL1ABC-13>APZQ17,WIDE1-1*,WIDE2-1:Wx: 73!");
    EXPECT_EQ(BeaconHeader::monitorLine(encoded({"K1A", "", "", 0, 128, 0, 0, 0, 0})),
              "K1A>APZQ17:");

    // Offsets that point outside the image give nothing, as the decoder refuses them.
    const auto damaged = [](std::size_t at, std::uint8_t value) {
        auto bytes = kDefaultImage;
        bytes[at] = value;
        return BeaconHeader::monitorLine(bytes);
    };
    EXPECT_EQ(damaged(0, 115), std::nullopt);  // the source would end past the image
    EXPECT_EQ(damaged(6, 128), std::nullopt);  // the status text would start past it
    auto unended = kDefaultImage;
    std::fill(unended.begin() + 0x21, unended.end(), 'x');
    EXPECT_EQ(BeaconHeader::monitorLine(unended), std::nullopt);
    EXPECT_EQ(BeaconHeader::monitorLine(std::span(kDefaultImage).first(127)), std::nullopt);
}

}  // namespace
