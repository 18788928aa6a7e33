// pelmoxctl's command line: how many words each command takes, options given twice or to a
// command with no use for them, every tone by name, and the seconds of a timed tone.
#include "command_line.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct Expected {
    Command command;
    QString file = {};
    QString image = {};
    QString output = {};
    std::optional<QString> port = std::nullopt;
    char toneCode = 0;
    int toneSeconds = 0;
    bool backup = true;
    bool strict = false;
    bool quiet = false;
    bool showHeader = false;
    bool force = false;
};

TEST(CommandLine, TakesEachCommandWithItsWordsAndOptionsOnly) {
    const struct {
        QStringList arguments;
        Expected expected;
    } cases[] = {
        {{"version"}, {Command::Version}},
        {{"--port=COM3", "version"}, {Command::Version, {}, {}, {}, "COM3"}},
        {{"version", "now"}, {Command::Invalid}},
        {{"version", "--output", "a"}, {Command::Invalid}},
        {{"-o", "a", "-i", "b", "read"}, {Command::Read, {}, "b", "a"}},
        {{"read", "a"}, {Command::Invalid}},
        {{"read", "--output", "a", "--output", "b"}, {Command::Invalid}},
        {{"--port", "a", "--port", "b", "read"}, {Command::Invalid}},
        {{"write", "a"}, {Command::Write, "a"}},
        {{"write", "--image", "b"}, {Command::Write, {}, "b"}},
        {{"write"}, {Command::Invalid}},
        {{"write", "a", "b"}, {Command::Invalid}},
        {{"write", "a", "--image", "b"}, {Command::Invalid}},
        {{"write", "--image", "a", "--image", "b"}, {Command::Invalid}},
        {{"--no-backup", "write", "--image", "b"}, {Command::Write, {}, "b", {}, {}, 0, 0, false}},
        {{"read", "--no-backup"}, {Command::Invalid}},
        {{"write", "-q", "--strict", "a"},
         {.command = Command::Write, .file = "a", .strict = true, .quiet = true}},
        {{"read", "--show-header"}, {.command = Command::Read, .showHeader = true}},
        {{"read", "--strict"}, {Command::Invalid}},
        {{"write", "--show-header", "a"}, {Command::Invalid}},
        {{"check"}, {Command::Check}},
        {{"-p", "a", "check"}, {Command::Check, {}, {}, {}, "a"}},
        {{"check", "a"}, {Command::Check, "a"}},
        {{"-p", "a", "check", "a"}, {Command::Invalid}},
        {{"check", "a", "b"}, {Command::Invalid}},
        {{"check", "--quiet"}, {Command::Invalid}},
        {{"write", "--force", "a"}, {.command = Command::Write, .file = "a", .force = true}},
        {{"diff", "--force", "a"}, {Command::Invalid}},
        {{"diff", "a"}, {Command::Diff, "a"}},
        {{"diff"}, {Command::Invalid}},
        {{"diff", "a", "b"}, {Command::Invalid}},
        {{"diff", "--image", "b", "a"}, {Command::Invalid}},
        {{"tone", "1200"}, {Command::Tone, {}, {}, {}, {}, '1'}},
        {{"tone", "2200"}, {Command::Tone, {}, {}, {}, {}, '2'}},
        {{"tone", "both"}, {Command::Tone, {}, {}, {}, {}, '3'}},
        {{"tone", "stop"}, {Command::Tone, {}, {}, {}, {}, 'x'}},
        {{"tone", "BOTH"}, {Command::Invalid}},
        {{"tone"}, {Command::Invalid}},
        {{"tone", "1200", "2200"}, {Command::Invalid}},
        {{"tone", "both", "--for", "1"}, {Command::Tone, {}, {}, {}, {}, '3', 1}},
        {{"tone", "1200", "--for=3600"}, {Command::Tone, {}, {}, {}, {}, '1', 3600}},
        {{"tone", "1200", "--for", "0"}, {Command::Invalid}},
        {{"tone", "1200", "--for", "3601"}, {Command::Invalid}},
        {{"tone", "1200", "--for", "1.5"}, {Command::Invalid}},
        {{"tone", "1200", "--for", "-5"}, {Command::Invalid}},
        {{"tone", "1200", "--for", "1", "--for", "2"}, {Command::Invalid}},
        {{"tone", "stop", "--for", "1"}, {Command::Invalid}},
        {{"read", "--for", "1"}, {Command::Invalid}},
        {{"ports"}, {Command::Ports}},
        {{"--port", "a", "ports"}, {Command::Invalid}},
        {{"ports", "all"}, {Command::Invalid}},
        {{"backups"}, {Command::Backups}},
        {{"--port", "a", "backups"}, {Command::Invalid}},
        {{}, {Command::Invalid}},
        {{"Version"}, {Command::Invalid}},
        {{"--help", "frob"}, {Command::Help}},
        {{"-v"}, {Command::ShowVersion}},
    };
    for (const auto& c : cases) {
        const Invocation got = parseCommandLine(QStringList{"pelmoxctl"} + c.arguments);
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_EQ(got.command, c.expected.command) << what;
        if (got.command == Command::Invalid) {
            EXPECT_FALSE(got.text.isEmpty()) << what;  // the usage to show
            continue;
        }
        EXPECT_EQ(got.file, c.expected.file) << what;
        EXPECT_EQ(got.image, c.expected.image) << what;
        EXPECT_EQ(got.output, c.expected.output) << what;
        EXPECT_EQ(got.port, c.expected.port) << what;
        EXPECT_EQ(got.toneCode, c.expected.toneCode) << what;
        EXPECT_EQ(got.toneSeconds, c.expected.toneSeconds) << what;
        EXPECT_EQ(got.backup, c.expected.backup) << what;
        EXPECT_EQ(got.strict, c.expected.strict) << what;
        EXPECT_EQ(got.quiet, c.expected.quiet) << what;
        EXPECT_EQ(got.showHeader, c.expected.showHeader) << what;
        EXPECT_EQ(got.force, c.expected.force) << what;
    }
}

}  // namespace
