// The languages of the user's Windows display language settings, the one they chose first first.
#include <QLocale>
#include <QStringList>

#include "user_language.h"

namespace user_language {

QStringList systemLanguages() {
    return QLocale::system().uiLanguages();
}

}  // namespace user_language
