#include "translated_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "codec_messages.h"
#include "link_messages.h"

namespace {

// Every table of texts, by its context. A new table is added here, and lupdate does the rest.
constexpr std::array kContexts{"WindowText",    "CliText",     "SettingsFileText", "link_message",
                               "CodecMessages", "FieldAdvice", "AprsAdvice",       "SpokenText"};

// The translation of a source text in its context, if there is one.
std::optional<QString> translationIn(const char* context, const std::string& source) {
    const QString translation = QCoreApplication::translate(context, source.c_str());
    if (translation == QString::fromUtf8(source))
        return std::nullopt;
    return translation;
}

// A placeholder of a format: printf's %d or %zu, or %1 to %9.
const QRegularExpression& placeholder() {
    static const QRegularExpression pattern(QStringLiteral("%(?:zu|d|([1-9]))"));
    return pattern;
}

// The values a format was filled in with, read back from the finished text: printf's in their
// order, QString::arg's by number (a number used twice must be the same both times).
struct Values {
    QStringList printf;
    std::array<QString, 10> numbered;
    QString rest;  // what followed the format, for one followed by text
};

std::optional<Values> valuesOf(const QString& format, bool followedByText, const QString& text) {
    QString pattern;
    std::array<int, 10> groupOf{};  // the capture group of each %N, 0 while unseen
    std::vector<int> printfGroups;
    int groups = 0;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : placeholder().globalMatch(format)) {
        pattern += QRegularExpression::escape(format.mid(from, m.capturedStart() - from));
        from = m.capturedEnd();
        if (m.hasCaptured(1)) {
            const int number = m.captured(1).toInt();
            if (groupOf[number] != 0) {
                pattern += QStringLiteral("\\%1").arg(groupOf[number]);
                continue;
            }
            groupOf[number] = ++groups;
            pattern += QStringLiteral("(.*?)");
        } else {
            printfGroups.push_back(++groups);
            pattern += QStringLiteral("(-?[0-9]+)");
        }
    }
    pattern += QRegularExpression::escape(format.mid(from));
    pattern += followedByText ? QStringLiteral("(.*)") : QString();
    const QRegularExpression whole(QRegularExpression::anchoredPattern(pattern),
                                   QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = whole.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    Values values;
    for (const int group : printfGroups)
        values.printf << match.captured(group);
    for (std::size_t n = 1; n < groupOf.size(); ++n) {
        if (groupOf[n] != 0)
            values.numbered[n] = match.captured(groupOf[n]);
    }
    if (followedByText)
        values.rest = match.captured(groups + 1);
    return values;
}

// The translated format with the values put in; a placeholder the values lack stays as it is.
QString filledIn(const QString& translation, const Values& values) {
    QString out;
    qsizetype from = 0;
    qsizetype nextPrintf = 0;
    for (const QRegularExpressionMatch& m : placeholder().globalMatch(translation)) {
        out += translation.mid(from, m.capturedStart() - from);
        from = m.capturedEnd();
        if (m.hasCaptured(1)) {
            const QString& value = values.numbered[m.captured(1).toUInt()];
            out += value.isNull() ? m.captured() : value;
        } else {
            out += nextPrintf < values.printf.size() ? values.printf[nextPrintf++] : m.captured();
        }
    }
    return out + translation.mid(from) + values.rest;
}

std::optional<QString> translatedFormat(const TranslatableFormat& format, const QString& text) {
    const std::string source(format.source);
    const std::optional<QString> translation = translationIn(format.context, source);
    if (!translation)
        return std::nullopt;
    const std::optional<Values> values =
        valuesOf(QString::fromUtf8(source), format.followedByText, text);
    if (!values)
        return std::nullopt;
    return filledIn(*translation, *values);
}

}  // namespace

QString translatedText(std::string_view text) {
    const std::string source(text);
    for (const char* context : kContexts) {
        if (std::optional<QString> translation = translationIn(context, source))
            return *translation;
    }
    return QString::fromUtf8(source);
}

QString translatedText(std::string_view format, const QStringList& values) {
    Values numbered;
    for (qsizetype i = 0;
         i < values.size() && i + 1 < static_cast<qsizetype>(numbered.numbered.size()); ++i)
        numbered.numbered[static_cast<std::size_t>(i + 1)] = values[i];
    return filledIn(translatedText(format), numbered);
}

std::optional<QString> translatedCount(std::string_view text, int n) {
    const std::string source(text);
    const QString untranslated =
        QString::fromUtf8(source).replace(QLatin1String("%n"), QString::number(n));
    for (const char* context : kContexts) {
        const QString translation =
            QCoreApplication::translate(context, source.c_str(), nullptr, n);
        if (translation != untranslated)
            return translation;
    }
    return std::nullopt;
}

QString translatedBoxText(std::string_view text, std::span<const TranslatableFormat> formats) {
    const QString latin1 = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    const std::string source(text);
    for (const char* context : kContexts) {
        if (std::optional<QString> translation = translationIn(context, source))
            return *translation;
    }
    for (const auto& table :
         {std::span<const TranslatableFormat>(CodecMessages::kBoxFormats),
          std::span<const TranslatableFormat>(link_message::kBoxFormats), formats}) {
        for (const TranslatableFormat& format : table) {
            if (std::optional<QString> translated = translatedFormat(format, latin1))
                return *translated;
        }
    }
    return latin1;
}
