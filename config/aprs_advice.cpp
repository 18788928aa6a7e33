#include "aprs_advice.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

#include "config_image.h"
#include "digi_path.h"
#include "station_address.h"
#include "tracker_config.h"

namespace AprsAdvice {

namespace {

// Call signs. Licence conditions everywhere ask every transmission to carry the operator's own
// call sign, and the APRS protocol sends it as the packet's source address. These are the
// placeholders programs and trackers ship with; they belong to nobody.
constexpr std::array<std::string_view, 2> kPlaceholderCalls{"NOCALL", "N0CALL"};
// The APRS SSID recommendations: -13 marks a weather station.
constexpr int kWeatherSsid = 13;

constexpr std::string_view kNotACall = PELMOX_TR(
    "AprsAdvice",
    "not a call sign: every transmission must carry the operator's own call sign; enter yours, "
    "for a weather station with -13 (such as DL1ABC-13)");
constexpr std::string_view kNotWeatherSsid = PELMOX_TR(
    "AprsAdvice",
    "-13 is the usual SSID of a weather station (such as DL1ABC-13) and tells others at a glance "
    "what sends");

// Digipeater paths, after the New-N paradigm (2004-2005) that the APRS network's digipeaters
// follow: WIDEn-N asks for N hops, digipeaters trap or ignore requests for more than 2, the
// old aliases are answered no more, and WIDE1-1 calls on the fill-in digipeaters that serve
// mobiles.
enum class Alias { NewN, Obsolete };
struct AliasRule {
    std::string_view name;  // without its n
    bool numbered;          // followed by one digit n: WIDEn, TRACEn
    Alias alias;
};
constexpr std::array kAliases{
    AliasRule{"WIDE", true, Alias::NewN},       AliasRule{"WIDE", false, Alias::Obsolete},
    AliasRule{"TRACE", true, Alias::Obsolete},  AliasRule{"TRACE", false, Alias::Obsolete},
    AliasRule{"RELAY", false, Alias::Obsolete},
};
constexpr int kMostHops = 2;
constexpr std::size_t kMostElements = 2;
constexpr int kFillInN = 1;

constexpr std::string_view kTooManyHopsInOne = PELMOX_TR(
    "AprsAdvice",
    "%1 asks digipeaters for %2 hops: under the New-N paradigm they trap or ignore requests for "
    "more than 2, so the packet goes nowhere or floods the area; a fixed station uses WIDE2-1 "
    "(a high digipeater hears it) or WIDE2-2");
constexpr std::string_view kTooManyElements = PELMOX_TR(
    "AprsAdvice",
    "%1 path elements: digipeaters under the New-N paradigm trap paths of more than 2; a fixed "
    "station needs one, WIDE2-1 or WIDE2-2");
constexpr std::string_view kTooManyHops = PELMOX_TR(
    "AprsAdvice",
    "the path asks for %1 hops in all: digipeaters under the New-N paradigm trap or ignore more "
    "than 2; a fixed station uses WIDE2-1 or WIDE2-2");
constexpr std::string_view kObsoleteAlias = PELMOX_TR(
    "AprsAdvice",
    "%1 is an obsolete alias: since the New-N paradigm digipeaters no longer answer to RELAY, "
    "WIDE, TRACE or TRACEn-N; use WIDE2-1 or WIDE2-2");
constexpr std::string_view kFillInFirst = PELMOX_TR(
    "AprsAdvice",
    "WIDE1-1 calls on fill-in digipeaters, which are there for mobiles with small antennas; a "
    "fixed station that a high digipeater hears needs only WIDE2-1");

// The weather station the tracker reads, by its mode byte, as the tracker knows them.
constexpr std::array kStationModes{CTrackerConfig::kModeWx200, CTrackerConfig::kModePeet};
constexpr std::string_view kUnknownStation = PELMOX_TR(
    "AprsAdvice",
    "the tracker would not know which weather station is attached; choose WX200/WM918 (128) or "
    "Peet (64)");

// The APRS protocol's net cycle: a fixed station's packets no more often than every 10
// minutes direct or through one digipeater, 20 through two, 30 through three or more.
struct NetCycle {
    int hops;  // up to this many
    int seconds;
};
constexpr std::array kNetCycle{NetCycle{1, 600}, NetCycle{2, 1200},
                               NetCycle{std::numeric_limits<int>::max(), 1800}};
// CWOP's guidance for weather stations: no more than one report every 5 minutes.
constexpr int kShortestWeatherInterval = 300;
// The usual regional status beacon: every 30 minutes; under 10 minutes only fills the channel.
constexpr int kUsualStatusPeriod = 1800;
constexpr int kShortestStatusPeriod = 600;
// Keyup delay: most radios need 150 to 300 ms from PTT to full power (the radios' data sheets;
// 300 ms is the usual VHF default of packet TNCs). Less loses the start of every packet, more
// than a second only holds the channel.
constexpr int kShortestKeyup = 100;
constexpr int kLongestKeyup = 1000;
constexpr int kUsualKeyup = 300;
// The APRS protocol's status report holds at most 62 characters of text.
constexpr int kLongestStatus = 62;

// A number a rule has nothing to say about (a status that never goes out).
constexpr int kNotApplicable = std::numeric_limits<int>::max();

int hopsOf(const StationAddress& element);

int pathHops(const CTrackerConfig& config) {
    int hops = 0;
    for (const StationAddress& element : splitDigiPath(config.digiPath()))
        hops += hopsOf(element);
    return hops;
}

int netCycleFor(const CTrackerConfig& config) {
    const int hops = pathHops(config);
    return std::find_if(kNetCycle.begin(), kNetCycle.end(),
                        [hops](const NetCycle& cycle) { return hops <= cycle.hops; })
        ->seconds;
}

// The record carries numbers of any size (the window's fields), so the product is bounded.
int statusPeriod(const CTrackerConfig& config) {
    if (config.txIntervalSec <= 0 || config.statusEvery <= 0)
        return kNotApplicable;
    return static_cast<int>(std::min<std::int64_t>(
        std::int64_t{config.txIntervalSec} * config.statusEvery, kNotApplicable - 1));
}

int statusEveryForUsualPeriod(const CTrackerConfig& config) {
    const int interval = std::max(config.txIntervalSec, 1);
    return std::clamp((kUsualStatusPeriod + interval - 1) / interval, 1,
                      static_cast<int>(ConfigImage::kMostInOneByte));
}

// Limits on one number each. A setting gets the first finding of the table that applies.
struct Limit {
    Setting setting;
    Level level;
    bool below;  // found when the value is below the bound; otherwise above it
    int (*value)(const CTrackerConfig&);
    int (*bound)(const CTrackerConfig&);
    int (*advised)(const CTrackerConfig&);
    std::string_view text;
};
// The limits' texts: %1 the value, %2 the bound, %3 the value to use instead, %4 the path's hops.
constexpr std::string_view kIntervalTooShort = PELMOX_TR(
    "AprsAdvice",
    "a weather station on RF sends no more often than every 5 minutes (%2 s), and the APRS net "
    "cycle asks 10 minutes direct or through one digipeater, 20 through two, 30 through three or "
    "more; for this path (%4) use %3 s");
constexpr std::string_view kIntervalBelowNetCycle = PELMOX_TR(
    "AprsAdvice",
    "the APRS net cycle asks 10 minutes direct or through one digipeater, 20 through two, 30 "
    "through three or more; for this path (%4) use %3 s");
constexpr std::string_view kStatusTooOften = PELMOX_TR(
    "AprsAdvice",
    "the status text goes out every %1 s (transmit interval times status every): a regional "
    "status every 30 minutes is usual, more often than every 10 minutes only fills the channel; "
    "status every %3 gives 30 minutes at this interval");
constexpr std::string_view kKeyupTooShort = PELMOX_TR(
    "AprsAdvice",
    "most radios need 150 to 300 ms to key up, so the start of every packet would be lost; %3 ms "
    "is the usual VHF default");
constexpr std::string_view kKeyupTooLong = PELMOX_TR(
    "AprsAdvice",
    "no radio needs more than about 300 ms to key up, and every packet holds the channel that much "
    "longer; %3 ms is the usual VHF default");
constexpr std::string_view kStatusTooLong = PELMOX_TR(
    "AprsAdvice",
    "%1 characters: APRS status reports hold at most 62, receivers may cut the rest; shorten it to "
    "%3");

constexpr std::array kLimits{
    Limit{Setting::TxInterval, Level::Warning, true,
          [](const CTrackerConfig& c) { return c.txIntervalSec; },
          [](const CTrackerConfig&) { return kShortestWeatherInterval; }, netCycleFor,
          kIntervalTooShort},
    Limit{Setting::TxInterval, Level::Note, true,
          [](const CTrackerConfig& c) { return c.txIntervalSec; }, netCycleFor, netCycleFor,
          kIntervalBelowNetCycle},
    Limit{Setting::StatusEvery, Level::Note, true, statusPeriod,
          [](const CTrackerConfig&) { return kShortestStatusPeriod; }, statusEveryForUsualPeriod,
          kStatusTooOften},
    Limit{Setting::KeyupDelay, Level::Warning, true,
          [](const CTrackerConfig& c) { return c.keyupDelayMs; },
          [](const CTrackerConfig&) { return kShortestKeyup; },
          [](const CTrackerConfig&) { return kUsualKeyup; }, kKeyupTooShort},
    Limit{Setting::KeyupDelay, Level::Note, false,
          [](const CTrackerConfig& c) { return c.keyupDelayMs; },
          [](const CTrackerConfig&) { return kLongestKeyup; },
          [](const CTrackerConfig&) { return kUsualKeyup; }, kKeyupTooLong},
    Limit{Setting::StatusText, Level::Warning, false,
          [](const CTrackerConfig& c) { return static_cast<int>(c.statusText().size()); },
          [](const CTrackerConfig&) { return kLongestStatus; },
          [](const CTrackerConfig&) { return kLongestStatus; }, kStatusTooLong},
};

// The format with %1, %2, ... replaced by the values' English texts, in order.
std::string fill(std::string_view format, const std::vector<Value>& values) {
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const std::size_t index = i + 1 < format.size() && format[i] == '%'
                                      ? static_cast<std::size_t>(format[i + 1] - '1')
                                      : values.size();
        if (index < values.size()) {
            out += values[index].text;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

Finding finding(Level level, Setting setting, std::string_view format,
                std::vector<Value> values = {}) {
    std::string text = fill(format, values);
    return {level, setting, format, std::move(values), std::move(text)};
}

Value number(std::int64_t n) {
    return {std::to_string(n), std::nullopt};
}

// English's words; the other languages' come from kHops.
Value hopCount(int hops) {
    return {std::to_string(hops) + (hops == 1 ? " hop" : " hops"), hops};
}

std::string_view nameOf(const StationAddress& address) {
    const std::string_view name(address.name.data(), address.name.size());
    return name.substr(0, name.find(' '));
}

const AliasRule* aliasOf(const StationAddress& element) {
    const std::string_view name = nameOf(element);
    for (const AliasRule& rule : kAliases) {
        const bool numbered =
            name.size() == rule.name.size() + 1 && name.back() >= '0' && name.back() <= '9';
        if (name.starts_with(rule.name) &&
            (rule.numbered ? numbered : name.size() == rule.name.size()))
            return &rule;
    }
    return nullptr;
}

int hopsOf(const StationAddress& element) {
    const AliasRule* alias = aliasOf(element);
    return alias != nullptr && alias->numbered ? element.ssid : 1;
}

void checkCallsign(const CTrackerConfig& config, std::vector<Finding>& findings) {
    const StationAddress call = StationAddress::parse(config.callsign());
    const std::string_view name = nameOf(call);
    const auto has = [name](auto is) { return std::any_of(name.begin(), name.end(), is); };
    const bool digit = has([](char c) { return c >= '0' && c <= '9'; });
    const bool letter = has([](char c) { return c >= 'A' && c <= 'Z'; });
    const bool placeholder = std::find(kPlaceholderCalls.begin(), kPlaceholderCalls.end(), name) !=
                             kPlaceholderCalls.end();
    if (placeholder || !digit || !letter) {
        findings.push_back(finding(Level::Error, Setting::Callsign, kNotACall));
    } else if (call.ssid != kWeatherSsid) {
        findings.push_back(finding(Level::Note, Setting::Callsign, kNotWeatherSsid));
    }
}

void checkPath(const CTrackerConfig& config, std::vector<Finding>& findings) {
    const std::vector<StationAddress> elements = splitDigiPath(config.digiPath());
    const auto add = [&](Level level, std::string_view format, std::vector<Value> values = {}) {
        findings.push_back(finding(level, Setting::DigiPath, format, std::move(values)));
    };
    bool hopsTold = false;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const AliasRule* alias = aliasOf(elements[i]);
        if (alias == nullptr)
            continue;
        const Value element{elements[i].text(), std::nullopt};
        if (alias->alias == Alias::Obsolete) {
            add(Level::Warning, kObsoleteAlias, {element});
            continue;
        }
        const int n = nameOf(elements[i]).back() - '0';
        if (n > kMostHops || elements[i].ssid > kMostHops) {
            add(Level::Warning, kTooManyHopsInOne,
                {element, number(std::max(n, elements[i].ssid))});
            hopsTold = true;
        } else if (i == 0 && n == kFillInN && elements[i].ssid == kFillInN) {
            add(Level::Note, kFillInFirst);
        }
    }
    if (hopsTold)
        return;
    if (elements.size() > kMostElements) {
        add(Level::Warning, kTooManyElements, {number(static_cast<std::int64_t>(elements.size()))});
    } else if (const int hops = pathHops(config); hops > kMostHops) {
        add(Level::Warning, kTooManyHops, {number(hops)});
    }
}

void checkLimits(const CTrackerConfig& config, std::vector<Finding>& findings) {
    for (const Limit& limit : kLimits) {
        const bool told = std::any_of(findings.begin(), findings.end(),
                                      [&](const Finding& f) { return f.setting == limit.setting; });
        const int value = limit.value(config);
        const int bound = limit.bound(config);
        if (told || value == kNotApplicable || (limit.below ? value >= bound : value <= bound))
            continue;
        findings.push_back(finding(limit.level, limit.setting, limit.text,
                                   {number(value), number(bound), number(limit.advised(config)),
                                    hopCount(pathHops(config))}));
    }
}

void checkStation(const CTrackerConfig& config, std::vector<Finding>& findings) {
    if (std::find(kStationModes.begin(), kStationModes.end(), config.stationMode) ==
        kStationModes.end()) {
        findings.push_back(finding(Level::Error, Setting::Station, kUnknownStation));
    }
}

}  // namespace

std::vector<Finding> check(const CTrackerConfig& config) {
    std::vector<Finding> findings;
    checkCallsign(config, findings);
    checkPath(config, findings);
    checkStation(config, findings);
    checkLimits(config, findings);
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.setting < b.setting; });
    return findings;
}

Level worst(const std::vector<Finding>& findings) {
    Level level = Level::Note;
    for (const Finding& finding : findings)
        level = std::max(level, finding.level);
    return level;
}

}  // namespace AprsAdvice
