// The tables' texts in the user's language, at the points where they reach a person. Each table
// is one translation context, named after its namespace, with its English texts as the source
// texts (marked with PELMOX_TR); with no translation installed every text stays as it is.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <string_view>

#include "translatable.h"

// A text (UTF-8) in the user's language when it is a marked text of one of the tables, and as it
// is otherwise: so that a name or a value never changes, however it is spelt.
QString translatedText(std::string_view text);

// A marked format (UTF-8) in the user's language with its %1, %2... filled in: each with the value
// of its number, whichever of them the format uses (QString::arg would give the lowest one the
// first value). A placeholder beyond the values stays as it is.
QString translatedText(std::string_view format, const QStringList& values);

// A marked text with a count, %n (PELMOX_TR_N), in the user's language for the number n; nothing
// when no translation has it, as the table that marks it gives the English words itself.
std::optional<QString> translatedCount(std::string_view text, int n);

// A box's finished text (Latin-1, as boxes carry it) in the user's language: a marked text, or one
// made from a marked format (the codec's, the link's and the given ones), whose numbers and names
// go into the format's translation. Anything else, such as a tracker's reply, as it is.
QString translatedBoxText(std::string_view text, std::span<const TranslatableFormat> formats = {});
