// Recognising the tracker's answer to identify.
#pragma once

#include <string_view>

// True when the text starts with the device word and a blank, in any letter case. The text ends
// at its first zero byte, so a reply shorter than the word and blank never matches.
bool isTrackerReply(std::string_view text);
