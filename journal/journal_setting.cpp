#include "journal/journal_setting.h"

#include "support/settings_store.h"

namespace mindrova {
namespace {

QString JournalKey() {
    return QString(PROGRAM_KEY) + QStringLiteral("\\Journal");
}

const QString kEnabled = QStringLiteral("Enabled");

}  // namespace

bool JournalEnabledSetting() {
    constexpr qint32 kUnreadable = -1;
    switch (ReadDWordValue(RegistryRoot::HKEY_CURRENT_USER, JournalKey(), kEnabled, kUnreadable)) {
        case 1:
            return true;
        case 0:
            return false;
        default:
            break;
    }
    if (!ValueStored(RegistryRoot::HKEY_CURRENT_USER, JournalKey(), kEnabled) &&
        !ValueMayHaveBeenLost(RegistryRoot::HKEY_CURRENT_USER, JournalKey(), kEnabled)) {
        return false;  // never chosen
    }
    // Written down again, so that the next rewrite of the file, which keeps only what reads,
    // does not turn the journal off a start later. If that fails it is still on for this run.
    SaveJournalEnabledSetting(true);
    return true;
}

bool SaveJournalEnabledSetting(bool enabled) {
    return SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER, JournalKey(), kEnabled,
                          enabled ? 1 : 0) == SAVE_SUCCEEDED;
}

}  // namespace mindrova
