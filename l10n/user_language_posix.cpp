// The languages of a POSIX locale, as gettext takes them: the locale of messages is the first of
// LC_ALL, LC_MESSAGES and LANG that is set; a C or POSIX one means the programs' own English,
// whatever LANGUAGE says; any other is followed by LANGUAGE's list when there is one. (Qt's own
// list of the system's languages takes LANGUAGE even under a C locale.)
#include <QStringList>

#include "user_language.h"

namespace user_language {

QStringList systemLanguages() {
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty())
            break;
    }
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX") ||
        locale.startsWith(QLatin1String("C.")))
        return {QStringLiteral("C")};
    const QStringList listed = qEnvironmentVariable("LANGUAGE").split(':', Qt::SkipEmptyParts);
    return listed.isEmpty() ? QStringList{locale} : listed;
}

}  // namespace user_language
