// The digipeater path as the user types it: a comma-separated list of station addresses,
// split into addresses for the image and joined back from the addresses an image holds.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "station_address.h"

// One address per element, in order: 'A,,B' gives three, ',A' a blank one then A, a trailing
// comma nothing, 'A, ' a blank one after A. An empty path gives none.
std::vector<StationAddress> splitDigiPath(std::string_view path);

// The first element that is not an exact station address (StationAddress::isExact): one that
// the split above would cut, or read only part of. None when every element is exact.
std::optional<std::string_view> firstInexactAddress(std::string_view path);

// Appends one address text, with a comma before it only when the path so far is not empty.
void appendToDigiPath(std::string& path, std::string_view address);

// The path text of a run of address texts, by the comma rule above.
std::string joinDigiPath(std::span<const std::string> addresses);
