// Feeds arbitrary bytes to pelmoxctl's settings-file reader, as `write` and `diff` read a file:
// through toml++ and our key checks. Either it refuses with exactly one message, or what it
// yields encodes into an image, and that image, read back and written as a file by `read`, is
// taken again whole.
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "config_image.h"
#include "fuzz_check.h"
#include "settings_file.h"
#include "stderr_console.h"
#include "tracker_config.h"
#include "tracker_units.h"

namespace {

int& problemsReported() {
    static int count = 0;
    return count;
}

}  // namespace

// The reader's one way of telling the user, in place of pelmoxctl's standard error.
bool reportProblem(const QString& /*text*/) {
    ++problemsReported();
    return true;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    installSilentBoxes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    problemsReported() = 0;
    const std::optional<SettingsFile> file = SettingsFile::parse(text, QStringLiteral("fuzz.toml"));
    if (!file) {
        FUZZ_CHECK(problemsReported() == 1);
        return 0;
    }
    FUZZ_CHECK(problemsReported() == 0);

    // As `write` stores it over a tracker's settings: read-back steps kept, then encoded. A
    // status text with no room behind the tracker's path is the one refusal left for then.
    CTrackerConfig record;
    if (file->applyTo(record)) {
        FUZZ_CHECK(problemsReported() == 1);
        return 0;
    }
    record.keyupDelayMs = TrackerUnits::keyupDelayToStore(record.keyupDelayMs);
    record.quietTimeMs = TrackerUnits::quietTimeToStore(record.quietTimeMs);
    std::array<std::uint8_t, 200> buffer{};
    FUZZ_CHECK(ConfigImage::encode(record, buffer) == ConfigImage::kSize);
    CTrackerConfig stored;
    FUZZ_CHECK(!ConfigImage::decode(stored, std::span(buffer).first<ConfigImage::kSize>()));

    // What `read` would write of the tracker now is a complete file the reader takes as it is.
    const std::optional<SettingsFile> backup =
        SettingsFile::parse(settingsText(stored, QStringLiteral("fuzz")), QStringLiteral("backup"));
    FUZZ_CHECK(backup && backup->complete());
    CTrackerConfig restored;
    FUZZ_CHECK(!backup->applyTo(restored));
    FUZZ_CHECK(settingsValues(restored) == settingsValues(stored));
    return 0;
}
