// Marks a text of one of the tables for translation: PELMOX_TR("CliText", "no command given") is
// the English text itself, and tells lupdate (-tr-function-alias QT_TRANSLATE_NOOP+=PELMOX_TR) to
// take it into the translations, in the context named first: the namespace of the table. Plain
// C++, so that the codec's tables can be marked too; the programs translate where a text reaches
// a person (l10n/translated_text.h).
#pragma once

#include <string_view>

#define PELMOX_TR(context, text) text

// A marked text with a count in it, %n, whose translations have a form for each plural of their
// language (Qt's numerus forms; lupdate takes it as QT_TRANSLATE_N_NOOP). The table that marks it
// gives the English words itself, as Qt would show the source text untranslated.
#define PELMOX_TR_N(context, text) text

// A marked text that is filled in with numbers or names before it is shown, so that it can be
// told again in a box's finished text: printf's %d and %zu, or QString::arg's %1 to %9.
// followedByText: the text ends in more that is added after it (a list), kept as it is.
struct TranslatableFormat {
    const char* context;
    std::string_view source;
    bool followedByText = false;
};
