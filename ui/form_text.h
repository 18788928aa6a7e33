// How text and numbers cross between the window's fields and the settings record: the record
// holds 8-bit Latin-1 text and signed 32-bit numbers, the fields hold Unicode text.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

// The text before the first line break (CR or LF): all of a field that counts.
QString firstLine(const QString& text);

// A character outside Latin-1 becomes '?', as the tracker could not store it anyway.
std::string fieldToLatin1(const QString& text);
QString latin1ToField(std::string_view text);

// Reads a number field the way strtol reads it: leading blanks, an optional sign, digits up to
// the first other character; no digits gives 0. A value beyond the 32-bit range saturates.
std::int32_t fieldToNumber(std::string_view text);
QString numberToField(std::int32_t value);

// Upper case for the address fields, character by character, keeping a character whose upper
// case would leave Latin-1 or change the length ('ß', 'ÿ', 'µ') as typed.
QString toUpperLatin1(const QString& text);
