// Our text tables are UTF-8 string views; Qt wants QString.
#pragma once

#include <QString>
#include <string_view>

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
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
