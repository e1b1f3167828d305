// Starts as the program does, with the environment the test gives it, and prints the language it
// chose and a text of a session in it: the desktop's languages are read by Qt once per process.
//   ui_language_probe <settings folder> <program translations folder>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <cstdio>

#include "app/ui_language.h"
#include "display/display_settings.h"
#include "engine/steps.h"
#include "support/settings_store.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Mindrova"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quellbrook"));
    if (argc < 3) return 2;
    mindrova::SetSettingsFolder(QString::fromLocal8Bit(argv[1]));
    const QString chosen = mindrova::ChooseUiLanguage(mindrova::LoadDisplaySettings().language,
                                                      QLocale::system().uiLanguages());
    const QString inEffect =
        mindrova::InstallUiLanguage(chosen, {QString::fromLocal8Bit(argv[2])},
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    std::printf("%s %s\n%s\n", qPrintable(chosen), qPrintable(inEffect),
                mindrova::GetStepDescription(mindrova::estLeftEyebrow).toUtf8().constData());
    return 0;
}
