#include "speech/speech_settings.h"

#include <QList>

#include <algorithm>

#include "support/settings_store.h"

namespace mindrova {
namespace {

QString SpeechKey() {
    return QString(PROGRAM_KEY) + QStringLiteral("\\Speech");
}

qint32 ReadNumber(const char* name, qint32 defaultValue) {
    return ReadDWordValue(RegistryRoot::HKEY_CURRENT_USER, SpeechKey(), QString::fromLatin1(name),
                          defaultValue);
}

bool SaveNumber(const char* name, qint32 value) {
    return SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER, SpeechKey(), QString::fromLatin1(name),
                          value) == SAVE_SUCCEEDED;
}

// Engine and voice names are short printable words. A text with control or invisible
// characters, a NUL, bytes that were not UTF-8 (read as U+FFFD), or of any great length names
// nothing the speech engines offer: the choice reads as not made.
constexpr qsizetype kLongestName = 200;

bool IsName(const QString& text) {
    if (text.size() > kLongestName || !text.isValidUtf16()) return false;
    for (const uint c : text.toUcs4()) {
        const QChar::Category category = QChar::category(static_cast<char32_t>(c));
        if (c == QChar::ReplacementCharacter || category == QChar::Other_Control ||
            category == QChar::Other_Format) {
            return false;
        }
    }
    return true;
}

QString ReadText(const char* name) {
    const QString text = ReadStringValue(RegistryRoot::HKEY_CURRENT_USER, SpeechKey(),
                                         QString::fromLatin1(name), {})
                             .trimmed();
    return IsName(text) ? text : QString();
}

bool SaveText(const char* name, const QString& value) {
    return SaveStringValue(RegistryRoot::HKEY_CURRENT_USER, SpeechKey(), QString::fromLatin1(name),
                           value) == SAVE_SUCCEEDED;
}

}  // namespace

SpeechSettings LoadSpeechSettings() {
    const SpeechSettings defaults;
    SpeechSettings s;
    s.enabled = ReadNumber("Enabled", 0) == 1;
    s.engine = ReadText("Engine");
    s.voice = ReadText("Voice");
    s.ratePercent = std::clamp(ReadNumber("Rate", defaults.ratePercent), -100, 100);
    s.volumePercent = std::clamp(ReadNumber("Volume", defaults.volumePercent), 0, 100);
    return s;
}

bool SaveSpeechSettings(const SpeechSettings& s) {
    // Every value is attempted even when one before it failed.
    bool ok = SaveNumber("Enabled", s.enabled ? 1 : 0);
    ok = SaveText("Engine", s.engine) && ok;
    ok = SaveText("Voice", s.voice) && ok;
    ok = SaveNumber("Rate", std::clamp(s.ratePercent, -100, 100)) && ok;
    ok = SaveNumber("Volume", std::clamp(s.volumePercent, 0, 100)) && ok;
    return ok;
}

}  // namespace mindrova
