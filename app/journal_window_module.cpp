// The entry point of the journal window module, which the program loads on demand.
#include <QWidget>

#include "app/frm_journal.h"
#include "support/modal_seam.h"

extern "C" Q_DECL_EXPORT void MindrovaRunJournalWindow(const QString& filePath, QWidget* owner) {
    mindrova::frmJournal journal(filePath, owner);
    mindrova::RunModalDialog(journal);
}
