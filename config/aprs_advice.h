// What the APRS network asks of a fixed weather station, held against a settings record: the
// call sign, the digipeater path, how often it sends, the keyup delay, the status text and the
// kind of station. Each finding says what is wrong, what to use instead and why.
#pragma once

#include <string>
#include <vector>

class CTrackerConfig;

namespace AprsAdvice {

enum class Level { Note, Warning, Error };

// The setting a finding is about, in the order the settings file lists them.
enum class Setting { Callsign, DigiPath, StatusText, StatusEvery, Station, KeyupDelay, TxInterval };

struct Finding {
    Level level;
    Setting setting;
    std::string text;  // what is wrong, what to use instead, and why
};

// Every finding for the record, in the order of the settings.
std::vector<Finding> check(const CTrackerConfig& config);

// The most serious level among the findings; Note when there are none.
Level worst(const std::vector<Finding>& findings);

}  // namespace AprsAdvice
