#pragma once
// Named 32-bit numbers in the per-user settings store, addressed like registry values.
//
// A sub-key "Software\Org\App\Group\..." names organization Org, application App and the group
// path below it. On Windows that is the registry key itself, holding DWORD values; elsewhere it
// is the file Org/App.conf in the user's configuration folder, section [Group].

#include <QLatin1StringView>
#include <QString>
#include <QtGlobal>

namespace mindrova {

enum class RegistryRoot { HKEY_CURRENT_USER };

// The program's key, and the sub-key of the saved window position to append to it.
inline constexpr QLatin1StringView PROGRAM_KEY{"Software\\Quellbrook\\Mindrova"};
inline constexpr QLatin1StringView WINDOW_POSITION_SUBKEY{"\\WindowPosition"};

inline constexpr QLatin1StringView SAVE_SUCCEEDED{"Success"};
inline constexpr QLatin1StringView SAVE_FAILED{"No! Failed to save Value"};

// The stored value, or defaultValue when it is missing, is not a whole 32-bit number, or its
// file cannot be parsed.
qint32 ReadDWordValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                      qint32 defaultValue);

// Stores the value, creating the key path and replacing an earlier value of any type. Returns
// SAVE_SUCCEEDED only when the value is on disk, otherwise SAVE_FAILED.
QString SaveDWordValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                       qint32 value);

// Named texts beside the numbers, for choices that are names (an engine, a voice). The stored
// text, or defaultValue when it is missing, is not a text, or its file cannot be parsed.
QString ReadStringValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                        const QString& defaultValue);

// Stores the text like SaveDWordValue stores a number, with the same answers.
QString SaveStringValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                        const QString& value);

// The folder holding the settings files where the store is a file rather than the registry.
// Empty means the user's configuration folder as the environment names it now.
void SetSettingsFolder(const QString& folder);

}  // namespace mindrova
