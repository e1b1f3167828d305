// The entry point of the journal window module, which the program loads on demand.
#include <QWidget>

#include "journal/ui/frm_journal.h"
#include "support/modal_seam.h"

// problem: the latest trouble the journal had during the session, in full; empty when none.
extern "C" Q_DECL_EXPORT void MindrovaRunJournalWindow(const QString& filePath, QWidget* owner,
                                                       const QString& problem) {
    mindrova::frmJournal journal(filePath, owner);
    journal.ShowProblem(problem);
    mindrova::RunModalDialog(journal);
}
