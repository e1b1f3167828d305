#pragma once
// The language the program's texts are in, as the start-up chose it, for the parts below the
// window that must match it: spoken guidance looks for a voice that speaks it.

#include <QString>

namespace mindrova {

// "en" until a translation is installed.
QString TextLanguage();
void SetTextLanguage(const QString& language);

// The language spoken guidance should find a voice for: none when the user chose a voice, or
// when the texts are English, which every engine's own voice speaks.
QString VoiceLanguageWanted(const QString& chosenVoice);

// What the user is told when no voice speaks the texts' language: guidance stays silent rather
// than read them with a voice of another language.
QString NoVoiceForTextLanguage();

}  // namespace mindrova
