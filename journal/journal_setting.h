#pragma once
// Whether the private journal is kept: [Journal] Enabled in the program's settings file.
// Missing or unreadable means off.

namespace mindrova {

bool JournalEnabledSetting();
// Returns true when the choice is on disk.
bool SaveJournalEnabledSetting(bool enabled);

}  // namespace mindrova
