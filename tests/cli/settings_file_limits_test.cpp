// The settings file's limits, each exactly at the limit (taken) and one past it (refused): the
// digipeaters, the path's length, the station's mode byte, and the file's size.
#include <gtest/gtest.h>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "settings_file.h"

namespace {

QByteArray joined(const QStringList& parts) {
    return parts.join(',').toLatin1();
}

// n digipeaters, each a station address of the longest form ("AB1CDE-15").
QStringList longAddresses(int n) {
    return QStringList(n, QStringLiteral("AB1CDE-15"));
}

TEST(SettingsFileLimits, EachLimitIsTakenAndOnePastItRefused) {
    const QStringList fourteen(14, QStringLiteral("A"));
    const struct {
        QByteArray text;
        bool taken;
    } cases[] = {
        {"digi_path = \"" + joined(fourteen) + "\"", true},
        {"digi_path = \"" + joined(fourteen + QStringList{"B"}) + "\"", false},
        // 99 characters (ten addresses), then 100 (eleven).
        {"digi_path = \"" + joined(longAddresses(10)) + "\"", true},
        {"digi_path = \"" + joined(longAddresses(9) + QStringList{"ABCD", "ABCDE"}) + "\"", false},
        {"station = 0", true},
        {"station = 255", true},
        {"station = -1", false},
        {"station = 256", false},
        {"station = \"Peet\"", true},
        {"station = \"peet\"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SettingsFile::parse(c.text.toStdString(), "limits.toml").has_value(), c.taken)
            << c.text.toStdString();
    }
}

TEST(SettingsFileLimits, FileOfSixtyFourKibibytesIsReadAndOneByteMoreRefused) {
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
