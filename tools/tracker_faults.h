// The ways the simulated tracker can be told to misbehave, as the link must survive them, and
// what each does to the tracker's replies.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

enum class TrackerFault {
    None,
    StaleOutput,           // junk sits in the line, sent when this fault is set
    NoBlank,               // identify reply is the bare device word
    LowerCase,             // identify reply in lower case
    LongReply,             // identify reply longer than 29 characters
    Silent,                // ignores everything
    ShortReadBack,         // downloads send one byte short
    DifferingDownloads,    // no two downloads in a row are alike
    VanishMidExchange,     // the line disappears in the middle of the next command
    VanishMidUpload,       // ...in the middle of the next upload; identify is answered
    VanishMidDownload,     // ...in the middle of the next image it sends; uploads are stored
    VanishBeforeToneCode,  // ...after a tone stop, with the next command's escapes, before its code
};

namespace tracker_fault {

constexpr bool vanishesMidUpload(TrackerFault fault) {
    return fault == TrackerFault::VanishMidExchange || fault == TrackerFault::VanishMidUpload;
}
constexpr bool vanishesMidDownload(TrackerFault fault) {
    return fault == TrackerFault::VanishMidExchange || fault == TrackerFault::VanishMidDownload;
}

// What StaleOutput puts on the line: the tail of a weather station's sentence.
inline constexpr std::string_view kStaleOutput = "\r\n$WX,018,+12.5C,1013hPa*3A\r\n";
// The Vanish faults: where the line vanishes in the middle of an upload, or of the image being
// sent.
inline constexpr std::size_t kVanishAfter = 16;

// The reply to identify.
std::string_view identifyReply(TrackerFault fault);

// The reply to a download, the download'th since the tracker started: the stored image, changed
// or cut short as the fault has it. The image is altered in place.
std::span<const std::uint8_t> downloadReply(TrackerFault fault, std::span<std::uint8_t> image,
                                            unsigned download);

}  // namespace tracker_fault
