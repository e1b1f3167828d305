#pragma once
// The display choices kept beside the voice: group [Display] of the settings file. Every choice
// missing, unknown or out of range reads as the default, which is the window as it always was.

#include <QString>
#include <optional>

#include "window/text_size.h"

namespace mindrova {

enum class Appearance { System, Light, Dark, HighContrast };

struct DisplaySettings {
    // Unset: the markers follow the desktop's wish for less motion.
    std::optional<bool> steadyMarkers;
    int textScalePercent = TEXT_SCALE_DEFAULT;
    Appearance appearance = Appearance::System;
    // Empty: the language follows the desktop. Otherwise "en", "de", "es" or "fr"; taken at
    // start-up.
    QString language;
    // On a tapping point the line said there stands out and the point's place in its round shows.
    bool followRound = false;
    bool operator==(const DisplaySettings&) const = default;
};

DisplaySettings LoadDisplaySettings();
// Each returns false when the value could not be written. The text size is the window's own
// (window/text_size.h).
bool SaveSteadyMarkers(bool steady);
bool SaveAppearance(Appearance appearance);
bool SaveLanguage(const QString& language);
bool SaveFollowRound(bool follow);

// "system", "light", "dark", "high-contrast" as the settings file keeps them.
QString AppearanceName(Appearance appearance);
std::optional<Appearance> ParseAppearance(const QString& name);

// The languages the program speaks, as [Display] Language keeps them.
inline constexpr const char* UI_LANGUAGES[] = {"en", "de", "es", "fr"};
// A language choice as it may be used: empty (or blank) follows the desktop, a known language is
// kept, anything else is English, the program's own language.
QString ValidLanguage(const QString& language);

}  // namespace mindrova
