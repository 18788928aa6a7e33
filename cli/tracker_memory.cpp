#include "tracker_memory.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli_messages.h"
#include "message_box.h"
#include "qt_text.h"

namespace {

struct Fill {
    std::uint8_t byte;
    std::string_view line;
};
constexpr std::array kFills{
    Fill{0xFF, CliText::kMemoryErased},
    Fill{0x00, CliText::kMemoryZeroed},
};

struct HeldBox {
    BoxKind kind;
    std::string text;
    std::string caption;
};

}  // namespace

std::optional<CTrackerConfig> decodeQuietly(std::span<const std::uint8_t> image) {
    std::vector<HeldBox> held;
    BoxPresenter previous =
        setBoxPresenter([&held](BoxKind kind, std::string_view text, std::string_view caption) {
            held.push_back({kind, std::string(text), std::string(caption)});
        });
    CTrackerConfig record;
    const bool failed = ConfigImage::decode(record, image);
    setBoxPresenter(std::move(previous));
    if (failed)
        return std::nullopt;
    for (const HeldBox& box : held) {
        if (box.kind == BoxKind::Error)
            errorBox(box.text);
        else
            informationBox(box.text, box.caption);
    }
    return record;
}

QString noSettingsLine(std::span<const std::uint8_t> image) {
    for (const Fill& fill : kFills) {
        if (std::all_of(image.begin(), image.end(), [&](std::uint8_t b) { return b == fill.byte; }))
            return toQString(CliText::kNoSettingsHeld) + toQString(fill.line);
    }
    return toQString(CliText::kNoSettingsHeld);
}
