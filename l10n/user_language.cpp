#include "user_language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {

constexpr char kLanguageVariable[] = "PELMOX_LANG";
constexpr char kTranslationPrefix[] = "pelmoxconfig_";
constexpr char kQtTranslationPrefix[] = "qtbase_";

// The translations in use; replaced, not added to, when another language is installed.
struct Installed {
    std::unique_ptr<QTranslator> ours;
    std::unique_ptr<QTranslator> qts;
};
Installed& installed() {
    static Installed current;
    return current;
}

void uninstall() {
    for (std::unique_ptr<QTranslator>* translator : {&installed().ours, &installed().qts}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

// "de_DE.UTF-8@euro" and "de-DE" as the translations' files name them: "de_DE".
QString fileLanguage(QString language) {
    for (const QChar end : {QChar('.'), QChar('@')}) {
        if (const qsizetype at = language.indexOf(end); at >= 0)
            language.truncate(at);
    }
    return language.replace('-', '_');
}

bool isEnglish(const QString& language) {
    return language.isEmpty() || language == QLatin1String("C") ||
           language == QLatin1String("POSIX") || language == QLatin1String("en") ||
           language.startsWith(QLatin1String("en_"));
}

// A translation of the language from the first folder that has one; "de_DE" falls back to "de".
std::unique_ptr<QTranslator> load(const QString& prefix, const QString& language,
                                  const QStringList& folders) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (translator->load(prefix + language, folder))
            return translator;
    }
    return nullptr;
}

}  // namespace

namespace user_language {

QStringList preferred() {
    const QString forced = qEnvironmentVariable(kLanguageVariable);
    if (!forced.isEmpty())
        return {forced};
    return systemLanguages();
}

QStringList translationFolders() {
    const QString programs = QCoreApplication::applicationDirPath();
    return {programs + QStringLiteral("/translations"),
            programs + QStringLiteral("/../share/pelmoxconfig/translations"),
            programs + QStringLiteral("/../translations")};
}

QString install(const QStringList& languages, const QStringList& folders) {
    uninstall();
    for (const QString& asked : languages) {
        const QString language = fileLanguage(asked);
        if (isEnglish(language))
            return {};
        std::unique_ptr<QTranslator> ours = load(kTranslationPrefix, language, folders);
        if (!ours)
            continue;
        // Qt's own texts: Debian's beside Qt, or shipped beside the programs.
        QStringList qtFolders = folders;
        qtFolders.prepend(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        installed().qts = load(kQtTranslationPrefix, language, qtFolders);
        if (installed().qts)
            QCoreApplication::installTranslator(installed().qts.get());
        installed().ours = std::move(ours);
        QCoreApplication::installTranslator(installed().ours.get());
        // The language of the file found: "de" for a "de_DE" that fell back to it.
        const QString file = QFileInfo(installed().ours->filePath()).completeBaseName();
        return file.mid(qsizetype(sizeof kTranslationPrefix) - 1);
    }
    return {};
}

QString install() {
    return install(preferred(), translationFolders());
}

}  // namespace user_language
