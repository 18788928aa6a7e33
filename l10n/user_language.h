// The language the programs speak: the first of the user's languages that has a translation, with
// Qt's own texts (OK, Cancel) in it too; English, the language of the source texts, when an
// English or C locale comes first or none of them has one. PELMOX_LANG, when set, is the only
// language asked for ("C" for English, as in a bug report, or "de").
#pragma once

#include <QString>
#include <QStringList>

namespace user_language {

// The user's languages, the one preferred most first, as the system names them ("de_DE.UTF-8",
// "pt-BR", "C").
QStringList preferred();

// The languages the system's locale settings give (user_language_posix.cpp, user_language_win.cpp).
QStringList systemLanguages();

// Where the programs' translations are: beside the program (Windows, the build), and in the
// data folder of the installed programs.
QStringList translationFolders();

// Installs the translation of the first of the languages that has one in the folders, and Qt's
// own in that language, in place of those installed before. Returns its language ("de"), or
// nothing for English, with no translation installed.
QString install(const QStringList& languages, const QStringList& folders);

// install(preferred(), translationFolders()), once the application object is there.
QString install();

}  // namespace user_language
