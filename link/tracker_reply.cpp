#include "tracker_reply.h"

#include "command_bytes.h"

namespace {

// Only A-Z fold: the reply is plain bytes from the tracker, not text in the user's locale.
constexpr char foldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool isTrackerReply(std::string_view text) {
    const std::string_view expected = command_bytes::kReplyPrefix;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (i >= text.size() || text[i] == '\0')
            return false;
        if (foldCase(text[i]) != expected[i])
            return false;
    }
    return true;
}
