// What the APRS network asks of a fixed weather station, held against a settings record: the
// call sign, the digipeater path, how often it sends, the keyup delay, the status text and the
// kind of station. Each finding says what is wrong, what to use instead and why.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "translatable.h"

class CTrackerConfig;

namespace AprsAdvice {

enum class Level { Note, Warning, Error };

// The setting a finding is about, in the order the settings file lists them.
enum class Setting { Callsign, DigiPath, StatusText, StatusEvery, Station, KeyupDelay, TxInterval };

// A value put into a finding's text, as the English text shows it; a number of hops also as the
// number alone, as other languages put its noun in the plural form the number takes (kHops).
struct Value {
    std::string text;
    std::optional<int> hops;
};

struct Finding {
    Level level;
    Setting setting;
    // What is wrong, what to use instead, and why: a marked text of this table, in which %1, %2...
    // are the values, in their order (a text may leave some out).
    std::string_view format;
    std::vector<Value> values;
    std::string text;  // the format filled in with the values, in English
};

// A number of hops in the other languages, in their plural forms; English says "1 hop", "3 hops".
inline constexpr std::string_view kHops = PELMOX_TR_N("AprsAdvice", "%n hop(s)");

// Every finding for the record, in the order of the settings.
std::vector<Finding> check(const CTrackerConfig& config);

// The most serious level among the findings; Note when there are none.
Level worst(const std::vector<Finding>& findings);

}  // namespace AprsAdvice
