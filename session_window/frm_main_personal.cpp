// The session window's own sessions and pace: the row under the issue list that chooses one of
// the user's own sessions in the issue's place, and the "Session options..." menu item.
//
// Choosing a session of one's own leaves the issue options as they are: the chosen session holds
// until the list is set back to its first entry or an issue is clicked (by mouse or arrow key),
// which lets the issue hold again and sets the list back.
#include <QHBoxLayout>

#include "session/session_options.h"
#include "session_window/frm_main.h"
#include "session_window/status_notices.h"
#include "session_window/window_fonts.h"
#include "session_window/window_services.h"
#include "support/error_trap.h"

namespace mindrova {
namespace {

constexpr TwipRect kPersonalRow{720, 8040, 6045, 450};

}  // namespace

void frmMain::BuildPersonalSessionRow() {
    mPersonalRow = new QWidget(fraMode);
    mPersonalRow->setObjectName(QStringLiteral("picPersonalSessions"));
    // Made on first use: the window's own font (9 points as built) carries the share of another
    // screen's scale.
    mPersonalRow->setFont(UiFont(12 * mTextScales.issues * font().pointSizeF() / 9.0));

    auto* caption = new QLabel(tr("&My sessions:"), mPersonalRow);
    caption->setObjectName(QStringLiteral("lblPersonalSession"));
    mPersonalSessions = new QComboBox(mPersonalRow);
    mPersonalSessions->setObjectName(QStringLiteral("cboPersonalSession"));
    mPersonalSessions->setAccessibleName(tr("My sessions"));
    mPersonalSessions->setAccessibleDescription(
        tr("One of your own sessions in place of the issue above"));
    // Long titles must not widen the row past the panel; the list that opens shows them whole.
    mPersonalSessions->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    mPersonalSessions->setMinimumContentsLength(8);
    caption->setBuddy(mPersonalSessions);
    mManageSessions = new QPushButton(tr("Mana&ge..."), mPersonalRow);
    mManageSessions->setObjectName(QStringLiteral("cmdManageSessions"));
    mManageSessions->setAccessibleName(tr("Manage my sessions"));
    mManageSessions->setAccessibleDescription(
        tr("Make, edit, duplicate, delete, import and export your own sessions"));

    auto* row = new QHBoxLayout(mPersonalRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(caption);
    row->addWidget(mPersonalSessions, 1);
    row->addWidget(mManageSessions);
    mPersonalRow->setGeometry(mScale.rect(ScaledDesignPlace(mPersonalRow, kPersonalRow)));

    setTabOrder(mOwnWords, mPersonalSessions);
    setTabOrder(mPersonalSessions, mManageSessions);
    connect(mPersonalSessions, &QComboBox::activated, this,
            [this](int index) { cboPersonalSession_Changed(index); });
    connect(mManageSessions, &QPushButton::clicked, this, [this] { cmdManageSessions_Click(); });
    mSessionsNotice =
        mNotices->AddNotice(QStringLiteral("lblSessionsNotice"), tr("My sessions notice"));
    mPersonalRow->show();
    ApplyControlRims();
    mDesignPlaces.push_back({mPersonalRow, kPersonalRow});
}

// Read afresh each time the issue list is shown, so that files placed in the folder by hand show
// up; the session chosen before stays chosen, as it reads now, while its file is still there.
void frmMain::ListPersonalSessions() {
    Trap({"frmMain", "ListPersonalSessions"}, [&] {
        const auto& list = mServices.listPersonalSessions;
        const PersonalSessionListing listing = list ? list() : PersonalSessionListing{};
        const std::optional<PersonalSession>& chosen = mController.ChosenPersonalSession();
        mListedSessions.clear();
        int chosenIndex = 0;
        const QSignalBlocker quiet(mPersonalSessions);
        mPersonalSessions->clear();
        mPersonalSessions->addItem(tr("The issue above"));
        for (const PersonalSessionFile& file : listing.sessions) {
            mListedSessions << file.session;
            mPersonalSessions->addItem(file.session.title);
            const int index = mPersonalSessions->count() - 1;
            mPersonalSessions->setItemData(index, file.session.title, Qt::ToolTipRole);
            if (chosen && chosen->title == file.session.title) chosenIndex = index;
        }
        mPersonalSessions->setCurrentIndex(chosenIndex);
        if (chosen && chosenIndex == 0) {
            mController.ChoosePersonalSession(std::nullopt);
        } else if (chosenIndex > 0 && !(*chosen == mListedSessions[chosenIndex - 1])) {
            mController.ChoosePersonalSession(mListedSessions[chosenIndex - 1]);
        }
        if (listing.problems.isEmpty()) {
            mNotices->Hide(mSessionsNotice);
        } else {
            mNotices->Show(mSessionsNotice,
                           tr("%n of your session files could not be read. Manage... shows which "
                              "and why.",
                              nullptr, int(listing.problems.size())));
        }
    });
}

void frmMain::cboPersonalSession_Changed(int index) {
    if (index > 0 && index <= mListedSessions.size()) {
        mController.ChoosePersonalSession(mListedSessions[index - 1]);
    } else {
        mController.ChoosePersonalSession(std::nullopt);
    }
}

void frmMain::radMode_Clicked(int optionIndex) {
    // Choosing an issue means working on it: the controller lets go of a chosen session of the
    // user's own, and the list says so.
    mController.radMode_Click(optionIndex);
    if (mPersonalSessions) {
        const QSignalBlocker quiet(mPersonalSessions);
        mPersonalSessions->setCurrentIndex(0);
    }
}

void frmMain::cmdManageSessions_Click() {
    Trap({"frmMain", "cmdManageSessions_Click"}, [&] {
        const auto& manage = mServices.managePersonalSessions;
        if (manage) {
            const StepTimerHold hold(mController);
            const SessionState& state = mController.State();
            manage(this, state.genmSelectedIssue, state.gstrOwnWords);
        }
        ListPersonalSessions();
    });
}

void frmMain::BuildSessionOptionsMenuItem() {
    mnuPopUpSessionOptions = new QAction(tr("Session options..."), mnuPopUp);
    mnuPopUpSessionOptions->setObjectName(QStringLiteral("mnuPopUpSessionOptions"));
    mnuPopUp->insertAction(mnuPopUpSep, mnuPopUpSessionOptions);
    connect(mnuPopUpSessionOptions, &QAction::triggered, this,
            [this] { ShowSessionOptionsDialog(); });
    mController.SetPace(LoadSessionOptions());
}

void frmMain::ShowSessionOptionsDialog() {
    Trap({"frmMain", "mnuPopUpSessionOptions_Click"}, [&] {
        const auto& show = mServices.showSessionOptionsDialog;
        if (!show) return;
        bool saved = false;
        {
            const StepTimerHold hold(mController);
            saved = show(this);
        }
        if (saved) mController.SetPace(LoadSessionOptions());
    });
}

}  // namespace mindrova
