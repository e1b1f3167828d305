#include "display/display_settings.h"

#include <array>
#include <utility>

#include "support/settings_store.h"

namespace mindrova {
namespace {

QString DisplayKey() {
    return QString(PROGRAM_KEY) + QStringLiteral("\\Display");
}

qint32 ReadNumber(const char* name, qint32 defaultValue) {
    return ReadDWordValue(RegistryRoot::HKEY_CURRENT_USER, DisplayKey(), QString::fromLatin1(name),
                          defaultValue);
}

bool SaveNumber(const char* name, qint32 value) {
    return SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER, DisplayKey(), QString::fromLatin1(name),
                          value) == SAVE_SUCCEEDED;
}

constexpr std::array<std::pair<Appearance, const char*>, 4> kAppearanceNames{{
    {Appearance::System, "system"},
    {Appearance::Light, "light"},
    {Appearance::Dark, "dark"},
    {Appearance::HighContrast, "high-contrast"},
}};

}  // namespace

QString AppearanceName(Appearance appearance) {
    for (const auto& [value, name] : kAppearanceNames) {
        if (value == appearance) return QString::fromLatin1(name);
    }
    return QString::fromLatin1(kAppearanceNames[0].second);
}

std::optional<Appearance> ParseAppearance(const QString& name) {
    const QString wanted = name.trimmed().toLower();
    for (const auto& [value, known] : kAppearanceNames) {
        if (wanted == QLatin1String(known)) return value;
    }
    return std::nullopt;
}

QString ValidLanguage(const QString& language) {
    // Plain case folding, the same under every locale (a Turkish one included).
    QString wanted = language.trimmed().toLower();
    if (wanted.isEmpty()) return {};
    for (const char* known : UI_LANGUAGES) {
        if (wanted == QLatin1String(known)) return wanted;
    }
    return QString::fromLatin1(UI_LANGUAGES[0]);
}

DisplaySettings LoadDisplaySettings() {
    DisplaySettings s;
    // Only 0 and 1 are a choice; anything else leaves the markers to the desktop.
    const qint32 steady = ReadNumber("SteadyMarkers", -1);
    if (steady == 0 || steady == 1) s.steadyMarkers = steady == 1;
    s.textScalePercent = LoadTextScale();
    const QString appearance = ReadStringValue(RegistryRoot::HKEY_CURRENT_USER, DisplayKey(),
                                               QStringLiteral("Appearance"), {});
    s.appearance = ParseAppearance(appearance).value_or(Appearance::System);
    s.language = ValidLanguage(ReadStringValue(RegistryRoot::HKEY_CURRENT_USER, DisplayKey(),
                                               QStringLiteral("Language"), {}));
    // Only 1 turns it on: anything else is the window as it always was.
    s.followRound = ReadNumber("FollowRound", 0) == 1;
    return s;
}

bool SaveSteadyMarkers(bool steady) {
    return SaveNumber("SteadyMarkers", steady ? 1 : 0);
}

bool SaveFollowRound(bool follow) {
    return SaveNumber("FollowRound", follow ? 1 : 0);
}

bool SaveAppearance(Appearance appearance) {
    return SaveStringValue(RegistryRoot::HKEY_CURRENT_USER, DisplayKey(),
                           QStringLiteral("Appearance"),
                           AppearanceName(appearance)) == SAVE_SUCCEEDED;
}

bool SaveLanguage(const QString& language) {
    return SaveStringValue(RegistryRoot::HKEY_CURRENT_USER, DisplayKey(),
                           QStringLiteral("Language"), ValidLanguage(language)) == SAVE_SUCCEEDED;
}

}  // namespace mindrova
