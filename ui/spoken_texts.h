// What the configuration window tells a screen reader alone, as nothing on the screen shows it:
// the announcements of its commands, the tones by name, and the units of its number fields.
#pragma once

#include <string_view>

#include "translatable.h"

namespace SpokenText {

// %1 the tone by name, %2 the port as the port box names it.
inline constexpr std::string_view kToneOn =
    PELMOX_TR("SpokenText", "Tone on: %1 at %2, the transmitter is keyed.");
inline constexpr std::string_view kToneOff = PELMOX_TR("SpokenText", "Tone off at %1.");
// After a stop that did not get through: %1 lists the ports where a tone may still be on.
inline constexpr std::string_view kToneMayBeOn =
    PELMOX_TR("SpokenText", "The stop did not get through: a tone may still be on at %1.");
// %1 the port, %n the least whole seconds the write and its check take.
inline constexpr std::string_view kWriteBegins =
    PELMOX_TR_N("SpokenText", "Writing the configuration to %1, this takes about %n seconds.");

inline constexpr std::string_view kTone1200 = PELMOX_TR("SpokenText", "1200 Hz");
inline constexpr std::string_view kTone2200 = PELMOX_TR("SpokenText", "2200 Hz");
inline constexpr std::string_view kToneBoth = PELMOX_TR("SpokenText", "1200 and 2200 Hz");

// A number field's unit, spoken after its value, and then the field's advice.
inline constexpr std::string_view kTransmissions = PELMOX_TR("SpokenText", "transmissions");
inline constexpr std::string_view kMilliseconds = PELMOX_TR("SpokenText", "milliseconds");
inline constexpr std::string_view kSeconds = PELMOX_TR("SpokenText", "seconds");
// %1 the unit, %2 the advice.
inline constexpr std::string_view kUnitAndAdvice = PELMOX_TR("SpokenText", "%1. %2");

}  // namespace SpokenText
