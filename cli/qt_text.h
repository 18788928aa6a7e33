// Our text tables are UTF-8 string views; Qt wants QString.
#pragma once

#include <QString>
#include <string_view>

#include "translated_text.h"

// The text in the user's language when it is one of the tables' marked texts (those meant for
// people); keys, names and values that scripts read are not marked, and stay as they are.
inline QString toQString(std::string_view utf8) {
    return translatedText(utf8);
}

// A text to show on one line of a terminal: control characters, which the terminal would act on,
// as '?'.
inline QString printable(QString text) {
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control)
            c = QChar('?');
    }
    return text;
}
