// The frame header and status text an image holds, as a packet monitor shows a received frame:
// "DL1ABC-13>APZQ17,WIDE2-1:PelmoxII". Read from the address fields of the image itself, so that
// what is shown is what the tracker stores and sends.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace BeaconHeader {

// Source, '>', destination, the digipeaters each after a comma (with '*' once repeated), ':' and
// the status text's bytes as stored. Nothing for an image whose own offsets point outside it.
std::optional<std::string> monitorLine(std::span<const std::uint8_t> image);

}  // namespace BeaconHeader
