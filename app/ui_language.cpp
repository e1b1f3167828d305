#include "app/ui_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>

#include "display/display_settings.h"
#include "session/text_language.h"
#include "support/regular_file.h"

namespace mindrova {
namespace {

const QString kEnglish = QStringLiteral("en");

// "de-DE", "de_DE.UTF-8", "de@euro" and "DE" all name German. Plain case folding: the same under
// every locale, a Turkish one included.
QString LanguagePart(const QString& tag) {
    QString code = tag.trimmed();
    const qsizetype end = code.indexOf(QRegularExpression(QStringLiteral("[-_.@]")));
    if (end >= 0) code.truncate(end);
    return code.toLower();
}

bool Speaks(const QString& language) {
    for (const char* known : UI_LANGUAGES) {
        if (language == QLatin1String(known)) return true;
    }
    return false;
}

// The translators live as long as the program (or until the next choice replaces them).
std::unique_ptr<QTranslator>& ProgramTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
std::unique_ptr<QTranslator>& QtTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void Uninstall(std::unique_ptr<QTranslator>& translator) {
    if (!translator) return;
    QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

// A file is used only when it loads and says it is of the wanted language: a stray file of another
// language (or an empty one) would otherwise leave the window in a mixture.
std::unique_ptr<QTranslator> LoadFor(const QString& language, const QString& file) {
    // Only a regular file (or a link to one) is loaded: a FIFO there would stop the start.
    if (KindOfPath(file) != PathKind::Regular) return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file)) return nullptr;
    if (translator->isEmpty() || LanguagePart(translator->language()) != language) return nullptr;
    return translator;
}

}  // namespace

QString ChooseUiLanguage(const QString& setting, const QStringList& desktopLanguages) {
    QString chosen = ValidLanguage(setting);
    if (!chosen.isEmpty()) return chosen;
    for (const QString& tag : desktopLanguages) {
        QString language = LanguagePart(tag);
        if (Speaks(language)) return language;
    }
    return kEnglish;
}

QStringList ProgramTranslationFolders() {
    const QString here = QCoreApplication::applicationDirPath();
    return {here + QStringLiteral("/translations"),
            QDir::cleanPath(here + QStringLiteral("/" MINDROVA_TRANSLATIONS_DIR))};
}

QString InstallUiLanguage(const QString& language, const QStringList& programFolders,
                          const QString& qtFolder) {
    Uninstall(ProgramTranslator());
    Uninstall(QtTranslator());
    SetTextLanguage(kEnglish);
    if (language == kEnglish || !Speaks(language)) return kEnglish;
    for (const QString& folder : programFolders) {
        auto translator =
            LoadFor(language, folder + QStringLiteral("/mindrova_") + language + ".qm");
        if (!translator) continue;
        ProgramTranslator() = std::move(translator);
        QCoreApplication::installTranslator(ProgramTranslator().get());
        // Without Qt's own file only the standard buttons stay English.
        auto qt = LoadFor(language, qtFolder + QStringLiteral("/qtbase_") + language + ".qm");
        if (qt) {
            QtTranslator() = std::move(qt);
            QCoreApplication::installTranslator(QtTranslator().get());
        }
        SetTextLanguage(language);
        return language;
    }
    return kEnglish;
}

QString InstallUiLanguage() {
    const QString language =
        ChooseUiLanguage(LoadDisplaySettings().language, QLocale::system().uiLanguages());
    return InstallUiLanguage(language, ProgramTranslationFolders(),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace mindrova
