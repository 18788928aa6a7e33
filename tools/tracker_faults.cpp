#include "tracker_faults.h"

namespace tracker_fault {

namespace {

constexpr std::string_view kVersion = "Pelmox II v1.23 WX";
constexpr std::string_view kVersionNoBlank = "Pelmox";
constexpr std::string_view kVersionLowerCase = "pelmox ii v1.23 wx";
constexpr std::string_view kVersionLong = "Pelmox II v1.23 WX build 2026-12-08 serial 004711";

// DifferingDownloads: the last byte, flipped one way on odd downloads and another on even ones.
constexpr std::uint8_t kOddFlip = 0x5A;
constexpr std::uint8_t kEvenFlip = 0xA5;

}  // namespace

std::string_view identifyReply(TrackerFault fault) {
    switch (fault) {
        case TrackerFault::NoBlank:
            return kVersionNoBlank;
        case TrackerFault::LowerCase:
            return kVersionLowerCase;
        case TrackerFault::LongReply:
            return kVersionLong;
        default:
            return kVersion;
    }
}

std::span<const std::uint8_t> downloadReply(TrackerFault fault, std::span<std::uint8_t> image,
                                            unsigned download) {
    switch (fault) {
        case TrackerFault::DifferingDownloads:
            image.back() ^= (download & 1) ? kOddFlip : kEvenFlip;
            return image;
        case TrackerFault::ShortReadBack:
            return image.first(image.size() - 1);
        default:
            return vanishesMidDownload(fault) ? image.first(kVanishAfter) : image;
    }
}

}  // namespace tracker_fault
