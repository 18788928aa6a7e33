#include "form_text.h"

#include <QList>
#include <algorithm>
#include <limits>

namespace {

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

QString firstLine(const QString& text) {
    const auto lineBreak = std::find_if(text.begin(), text.end(), [](QChar c) {
        return c == QLatin1Char('\n') || c == QLatin1Char('\r');
    });
    return text.first(lineBreak - text.begin());
}

std::string fieldToLatin1(const QString& text) {
    constexpr uint kLastLatin1 = 0xFF;
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    // By code point, so a character beyond the 16-bit range is one mark, not two.
    for (const uint c : text.toUcs4()) {
        out.push_back(c <= kLastLatin1 ? static_cast<char>(c) : '?');
    }
    return out;
}

QString latin1ToField(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::int32_t fieldToNumber(std::string_view text) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();

    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate as a magnitude and stop growing once past the limit, so any number of
    // digits is safe.
    std::int64_t magnitude = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        if (magnitude <= kMax + 1)
            magnitude = magnitude * 10 + (text[i] - '0');
    }
    if (negative)
        return static_cast<std::int32_t>(-magnitude < kMin ? kMin : -magnitude);
    return static_cast<std::int32_t>(magnitude > kMax ? kMax : magnitude);
}

QString numberToField(std::int32_t value) {
    return QString::number(value);
}

QString toUpperLatin1(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        const QString upper = QString(c).toUpper();
        if (upper.size() == 1 && upper.at(0).unicode() <= 0xFF)
            c = upper.at(0);
    }
    return out;
}
