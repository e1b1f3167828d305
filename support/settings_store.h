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

// The stored value, or defaultValue when it is missing or is not a whole 32-bit number. The
// words true and false read as 1 and 0. A damaged file still gives every value that reads.
qint32 ReadDWordValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                      qint32 defaultValue);

// Stores the value, creating the key path and replacing an earlier value of any type. Returns
// SAVE_SUCCEEDED only when the value is on disk, otherwise SAVE_FAILED. The rest of the file is
// kept; a damaged file is rewritten with every value that could be read from it.
QString SaveDWordValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                       qint32 value);

// Named texts beside the numbers, for choices that are names (an engine, a voice). The stored
// text, or defaultValue when it is missing or is not a text.
QString ReadStringValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                        const QString& defaultValue);

// Stores the text like SaveDWordValue stores a number, with the same answers.
QString SaveStringValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                        const QString& value);

// True when the value is in the store, whatever it holds.
bool ValueStored(RegistryRoot root, const QString& subKey, const QString& valueName);

// True when the value is missing from a settings file that is damaged where the value would
// stand (cut short, or a line that is no setting), or from a file that cannot be read at all: a
// choice may have been lost, rather than never made. False when there is no file, the file is
// whole, or the value is there.
bool ValueMayHaveBeenLost(RegistryRoot root, const QString& subKey, const QString& valueName);

// The folder holding the settings files where the store is a file rather than the registry.
// Empty means the user's configuration folder as the environment names it now.
void SetSettingsFolder(const QString& folder);

}  // namespace mindrova
