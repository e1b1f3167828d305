#pragma once
// Whether the private journal is kept: [Journal] Enabled in the program's settings file.
// Missing means off: the journal is kept only once the user has chosen it. A choice that cannot
// be read (a value that is no switch, or lost to a damaged file) means on, as turning the journal
// off would silently drop the entries the user asked to keep.

namespace mindrova {

bool JournalEnabledSetting();
// Returns true when the choice is on disk.
bool SaveJournalEnabledSetting(bool enabled);

}  // namespace mindrova
