#pragma once
// The language the program speaks, chosen once at start-up: [Display] Language when it is set,
// else the first of the desktop's languages (LANGUAGE, LC_MESSAGES, LANG) that the program has,
// else English. English is the program's own and needs no file; whenever a translation cannot be
// used, the program stays English rather than half translated.

#include <QString>
#include <QStringList>

namespace mindrova {

// "en", "de", "es" or "fr". setting is the [Display] Language value as read (empty follows the desktop);
// desktopLanguages as QLocale::uiLanguages() gives them, the most wanted first.
QString ChooseUiLanguage(const QString& setting, const QStringList& desktopLanguages);

// Where the program's .qm files may be: translations/ beside the executable in the build tree,
// share/mindrova/translations once installed.
QStringList ProgramTranslationFolders();

// Loads the program's translation for the language from the first folder that has a usable one,
// and Qt's own (qtbase_<language>.qm, for the standard buttons) from qtFolder; replaces whatever
// an earlier call installed. Returns the language the texts are now in: English when the program's
// file is missing, unreadable or not of that language.
QString InstallUiLanguage(const QString& language, const QStringList& programFolders,
                          const QString& qtFolder);

// The above from the settings file, the desktop's languages and the usual folders.
QString InstallUiLanguage();

}  // namespace mindrova
