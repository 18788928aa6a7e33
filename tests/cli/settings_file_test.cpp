// The settings file on its own: what `read` writes must come back unchanged through `write`'s
// parser, whatever the tracker holds.
#include <gtest/gtest.h>

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
        file->applyTo(parsed);
        expectRecord(parsed, values);
    }
}

}  // namespace
