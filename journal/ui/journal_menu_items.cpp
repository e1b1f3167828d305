#include "journal/ui/journal_menu_items.h"

#include <QAction>
#include <QMenu>
#include <memory>
#include <utility>

#include "session/session_controller.h"
#include "support/error_trap.h"
#include "window/ui/frm_main.h"

namespace mindrova {
WindowPartMaker JournalItemsPart(JournalItemServices services) {
    return MakerOf<JournalMenuItems>(std::move(services));
}

JournalMenuItems::JournalMenuItems(frmMain& window, JournalItemServices services)
    : mWindow(window), mServices(std::move(services)) {
    QMenu& menu = window.menu();
    mJournalKeep = new QAction(tr("Keep a private journal"), &menu);
    mJournalKeep->setObjectName(QStringLiteral("mnuPopUpJournalKeep"));
    mJournalKeep->setCheckable(true);
    mJournalOpen = new QAction(tr("Journal..."), &menu);
    mJournalOpen->setObjectName(QStringLiteral("mnuPopUpJournal"));
    menu.insertAction(window.partItemsEnd(), mJournalKeep);
    menu.insertAction(window.partItemsEnd(), mJournalOpen);
    // The check mirrors the saved setting each time the menu opens.
    connect(&menu, &QMenu::aboutToShow, this, [this] {
        const auto& enabled = mServices.journalEnabled;
        mJournalKeep->setChecked(enabled && enabled());
    });
    connect(mJournalKeep, &QAction::triggered, this, [this](bool on) { Toggled(on); });
    // Like the About box, the journal window holds the session's clock while it is open.
    connect(mJournalOpen, &QAction::triggered, this, [this] {
        Trap({"frmMain", "mnuPopUpJournal_Click"}, [&] {
            const StepTimerHold hold(mWindow.controller());
            if (mServices.showJournal) mServices.showJournal(&mWindow);
        });
    });
}

void JournalMenuItems::Toggled(bool on) {
    const auto& setEnabled = mServices.setJournalEnabled;
    const bool now = setEnabled ? setEnabled(on, &mWindow) : false;
    mJournalKeep->setChecked(now);
}

}  // namespace mindrova
