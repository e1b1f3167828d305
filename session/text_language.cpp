#include "session/text_language.h"

#include <QCoreApplication>

namespace mindrova {
namespace {

const QString kEnglish = QStringLiteral("en");

QString& Current() {
    static QString language = kEnglish;
    return language;
}

}  // namespace

QString TextLanguage() {
    return Current();
}

void SetTextLanguage(const QString& language) {
    Current() = language.isEmpty() ? kEnglish : language;
}

QString VoiceLanguageWanted(const QString& chosenVoice) {
    if (!chosenVoice.isEmpty() || TextLanguage() == kEnglish) return {};
    return TextLanguage();
}

QString NoVoiceForTextLanguage() {
    return QCoreApplication::translate(
        "Speech",
        "No voice here speaks the language of this program, so spoken guidance stays silent.",
        "the translation names its own language");
}

}  // namespace mindrova
