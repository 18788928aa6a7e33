// The settings file on its own: what `read` writes must come back unchanged through `write`'s
// parser, whatever the tracker holds.
#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <string>

#include "settings_file.h"
#include "tracker_record.h"

namespace {

// Texts that need quoting, escaping or re-encoding on their way through TOML and UTF-8, and
// modes the file names and does not name.
TEST(SettingsFile, WhatReadWritesParsesBackToTheSameRecord) {
    for (const RecordValues& values : {
             RecordValues{"N0CALL-5", "WIDE1-1,,WIDE2-2",
                          "Caf\xE9 \"Wx\" \\ 20\xB0"
                          "C\t\x01",
                          0, CTrackerConfig::kModePeet, 7, 255, 65535, 53, false},
             RecordValues{"", "", "", 255, 0, 0, 0, 0, 0, false},
             RecordValues{"NOCALL", "WIDE3-3", "PelmoxII", 128, 192, 1700, 3, 60, 6706, false},
         }) {
        const CTrackerConfig original = makeRecord(values);
        const std::string text = settingsText(original, QStringLiteral("Pelmox II v1.23 WX"));
        const std::optional<SettingsFile> file = SettingsFile::parse(text, "backup.toml");
        ASSERT_TRUE(file.has_value()) << text;
        EXPECT_TRUE(file->complete());
        CTrackerConfig parsed = makeRecord({"X", "Y", "Z", 1, 1, 1, 1, 1, 1});
        EXPECT_FALSE(file->applyTo(parsed));
        expectRecord(parsed, values);
    }
}

std::string repeated(char c, std::size_t count) {
    return std::string(count, c);
}

// Each limit of what the tracker stores, exactly at it and just past it: taken (values that
// only round to the tracker's steps or letter case included), or refused with one line that
// names the file, the line, the key, the value and what is allowed, the tracker's record kept.
// Status texts are checked once the file is laid over the tracker's own path and text.
TEST(SettingsFile, TakesWhatTheTrackerStoresAndRefusesWhatItWouldChange) {
    const std::string address =
        " is not a station address the tracker can store (up to 6 "
        "letters or digits, then optionally - and an SSID from 0 to 15)";
    const std::string room = " (101 characters, 7 fewer per digipeater)";
    const std::string station =
        "station must be \"WX200/WM918\", \"Peet\" or a mode byte from 0 to 255";
    std::string nineLong = "AB1CDE-15";  // addresses of the longest form
    for (int i = 1; i < 9; ++i)
        nineLong += ",AB1CDE-15";
    const std::string x94 = repeated('x', 94), x95 = repeated('x', 95);
    const struct {
        std::string text;
        std::string refusal;  // after "f.toml:"; empty when the file is taken
        std::string trackerPath = "";
        std::string trackerStatus = "";
    } cases[] = {
        {"callsign = \"n0call-15\"", ""},
        {"callsign = \"N0CALL-16\"", "1: callsign = \"N0CALL-16\"" + address},
        {"callsign = \"ABCDEF\"", ""},
        {"callsign = \"TOOLONGCALL-1\"", "1: callsign = \"TOOLONGCALL-1\"" + address},
        {"callsign = \"N0CALL-1X\"", "1: callsign = \"N0CALL-1X\"" + address},
        {"callsign = \"N0CALL-\"", "1: callsign = \"N0CALL-\"" + address},
        {"digi_path = \"WIDE1-1, WIDE2-2,,\"", ""},
        {"digi_path = \"WIDE3-3X,WIDE1-1\"",
         "1: digi_path = \"WIDE3-3X,WIDE1-1\" holds \"WIDE3-3X\", which" + address},
        {"digi_path = \"A,B,C,D,E,F,G,H,I,J,K,L,M,N\"", ""},
        // 99 characters, then 100.
        {"digi_path = \"" + nineLong + ",AB1CDE-15\"", ""},
        {"digi_path = \"" + nineLong + ",ABCD,ABCDE\"",
         "1: digi_path is 100 characters long, but the tracker's settings hold at most 99"},
        {"digi_path = \"A,B,C,D,E,F,G,H,I,J,K,L,M,N,O\"",
         "1: digi_path has 15 digipeaters, but the tracker holds at most 14"},
        {"keyup_delay_ms = 1700", ""},
        {"keyup_delay_ms = 1701",
         "1: keyup_delay_ms = 1701 is out of range: it must be from 0 to 1700"},
        {"keyup_delay_ms = 250\nquiet_time_ms = 0", ""},
        {"keyup_delay_ms = -1",
         "1: keyup_delay_ms = -1 is out of range: it must be from 0 to 1700"},
        {"quiet_time_ms = 6706", ""},
        {"quiet_time_ms = 6707",
         "1: quiet_time_ms = 6707 is out of range: it must be from 0 to 6706"},
        {"quiet_time_ms = -1", "1: quiet_time_ms = -1 is out of range: it must be from 0 to 6706"},
        {"calibration = 255\nstatus_every = 255\nstation = 255", ""},
        {"calibration = 256", "1: calibration = 256 is out of range: it must be from 0 to 255"},
        {"status_every = 256", "1: status_every = 256 is out of range: it must be from 0 to 255"},
        {"station = 256", "1: " + station},
        {"station = 0", ""},
        {"station = -1", "1: " + station},
        {"station = \"Peet\"", ""},
        {"station = \"peet\"", "1: " + station},
        {"transmit_interval_s = 65535", ""},
        {"transmit_interval_s = 65536",
         "1: transmit_interval_s = 65536 is out of range: it must be from 0 to 65535"},
        {"status_text = \"" + repeated('x', 101) + "\"", ""},
        {"status_text = \"" + repeated('x', 102) + "\"",
         "1: status_text is 102 characters long, but the tracker's settings hold at most 101"},
        {"status_text = \"" + x94 + "\"\ndigi_path = \"WIDE2-1\"", ""},
        {"status_text = \"" + x95 + "\"\ndigi_path = \"WIDE2-1\"",
         "1: status_text is 95 characters long, but behind digi_path = \"WIDE2-1\" the tracker "
         "has room for 94" +
             room},
        {"status_text = \"" + x94 + "\"", "", "WIDE2-1"},
        {"status_text = \"" + x95 + "\"",
         "1: status_text is 95 characters long, but behind "
         "digi_path = \"WIDE2-1\" the tracker has room for 94" +
             room,
         "WIDE2-1"},
        {"digi_path = \"WIDE2-1\"", "", "", x94},
        {"digi_path = \"WIDE2-1\"",
         "1: digi_path = \"WIDE2-1\" leaves room for 94 characters of status text, but the "
         "tracker's own status_text is 95 characters long: give a shorter status_text too",
         "", x95},
    };
    for (const auto& c : cases) {
        CTrackerConfig tracker =
            makeRecord({"NOCALL", c.trackerPath, c.trackerStatus, 1, 1, 1, 1, 1, 1});
        ::testing::internal::CaptureStderr();
        const std::optional<SettingsFile> file = SettingsFile::parse(c.text, "f.toml");
        const bool refused = !file || file->applyTo(tracker);
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(refused, !c.refusal.empty()) << c.text;
        EXPECT_EQ(err, c.refusal.empty() ? "" : "pelmoxctl: f.toml:" + c.refusal + "\n");
        if (refused)
            expectRecord(tracker, {"NOCALL", c.trackerPath, c.trackerStatus, 1, 1, 1, 1, 1, 1});
    }
}

TEST(SettingsFile, FileOfSixtyFourKibibytesIsReadAndOneByteMoreRefused) {
    constexpr qsizetype kMostBytes = 64 * 1024;
    QTemporaryDir dir;
    for (const qsizetype size : {kMostBytes, kMostBytes + 1}) {
        // A valid file padded with a comment to the size.
        QByteArray text = "callsign = \"N0CALL\"\n#";
        text += QByteArray(size - text.size() - 1, 'x') + '\n';
        ASSERT_EQ(text.size(), size);
        QFile file(dir.filePath("big.toml"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        EXPECT_EQ(SettingsFile::read(file.fileName()).has_value(), size == kMostBytes) << size;
    }
}

}  // namespace
