// The tables' texts in the user's language, at the points where they reach a person. Each table
// is one translation context, named after its namespace, with its English texts as the source
// texts (marked with PELMOX_TR); with no translation installed every text stays as it is.
#pragma once

#include <QString>
#include <span>
#include <string_view>

#include "translatable.h"

// A text (UTF-8) in the user's language when it is a marked text of one of the tables, and as it
// is otherwise: so that a name or a value never changes, however it is spelt.
QString translatedText(std::string_view text);

// A box's finished text (Latin-1, as boxes carry it) in the user's language: a marked text, or one
// made from a marked format (the codec's, the link's and the given ones), whose numbers and names
// go into the format's translation. Anything else, such as a tracker's reply, as it is.
QString translatedBoxText(std::string_view text, std::span<const TranslatableFormat> formats = {});
