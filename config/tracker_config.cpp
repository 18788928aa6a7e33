#include "tracker_config.h"

#include <algorithm>

namespace {

// Copies at most the buffer's capacity less one byte and zero-fills the rest, so the text is
// always terminated and no stale characters of a longer earlier text survive behind it.
template <std::size_t N>
void store(std::array<char, N>& buffer, std::string_view text) {
    const std::size_t length = std::min(text.size(), N - 1);
    std::fill(std::copy_n(text.begin(), length, buffer.begin()), buffer.end(), '\0');
}

}  // namespace

CTrackerConfig::CTrackerConfig() {
    setCallsign(kDefaultCallsign);
    setDigiPath(kDefaultDigiPath);
    setStatusText(kDefaultStatusText);
}

void CTrackerConfig::setCallsign(std::string_view text) {
    store(callsign_, text);
}

void CTrackerConfig::setDigiPath(std::string_view text) {
    store(digiPath_, text);
}

void CTrackerConfig::setStatusText(std::string_view text) {
    store(statusText_, text);
}
