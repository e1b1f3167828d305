#include "journal/journal_setting.h"

#include "support/settings_store.h"

namespace mindrova {
namespace {

QString JournalKey() {
    return QString(PROGRAM_KEY) + QStringLiteral("\\Journal");
}

}  // namespace

bool JournalEnabledSetting() {
    return ReadDWordValue(RegistryRoot::HKEY_CURRENT_USER, JournalKey(), QStringLiteral("Enabled"),
                          0) == 1;
}

bool SaveJournalEnabledSetting(bool enabled) {
    return SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER, JournalKey(), QStringLiteral("Enabled"),
                          enabled ? 1 : 0) == SAVE_SUCCEEDED;
}

}  // namespace mindrova
