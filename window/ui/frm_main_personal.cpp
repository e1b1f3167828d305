// The session window's own sessions and pace: the row under the issue list that chooses one of
// the user's own sessions in the issue's place, and the "Session options..." menu item.
//
// Choosing a session of one's own leaves the issue options as they are, but shown disabled, as is
// the own-words field, with a line under the issues that names the session, so that what will
// run is plain. The chosen session holds until the list is set back to its first entry or a
// greyed issue is clicked, which lets the issue hold again, sets the list back and brings the
// options back.
#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>

#include "session/session_options.h"
#include "window/ui/frm_main.h"
#include "window/ui/status_notices.h"
#include "support/ui/window_fonts.h"
#include "window/ui/window_services.h"
#include "support/error_trap.h"

namespace mindrova {
namespace {

constexpr TwipRect kPersonalRow{720, 8040, 6045, 450};
// A filter that hands a watched object's events to a function of the window's.
class EventHook : public QObject {
public:
    EventHook(QObject* parent, std::function<bool(QObject*, QEvent*)> hook)
        : QObject(parent), mHook(std::move(hook)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override { return mHook(watched, event); }

private:
    std::function<bool(QObject*, QEvent*)> mHook;
};

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

    // A disabled option hears no click of its own: a click on a greyed issue chooses it, as a
    // click on it did before the session of the user's own greyed it.
    auto* clicks = new EventHook(this, [this](QObject* watched, QEvent* event) {
        const auto* option = qobject_cast<QWidget*>(watched);
        if (option == nullptr || option->isEnabled() ||
            event->type() != QEvent::MouseButtonRelease) {
            return false;
        }
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton ||
            !option->rect().contains(mouse->position().toPoint())) {
            return false;
        }
        for (int i = 1; i <= ISSUE_OPTION_COUNT; ++i) {
            if (radMode[i] == option) {
                radMode[i]->setChecked(true);
                radMode_Clicked(i);
                return true;
            }
        }
        return false;
    });
    for (int i = 1; i <= ISSUE_OPTION_COUNT; ++i) radMode[i]->installEventFilter(clicks);
}

// The line stands in the gap between the last issue and the own-words caption, which a small
// window narrows but never closes (the list keeps half its gaps): it follows the caption
// wherever the list is laid out, and takes no row of the list's own.
void frmMain::PlaceRunsInsteadLine() {
    if (mRunsInstead == nullptr || mOwnWordsCaption == nullptr) return;
    int bottom = 0;
    for (int i = 1; i <= ISSUE_OPTION_COUNT; ++i) {
        if (!radMode[i]->isHidden()) bottom = std::max(bottom, radMode[i]->geometry().bottom() + 1);
    }
    const int height = mRunsInstead->sizeHint().height();
    const int room = mOwnWordsCaption->y() - bottom;
    const QRect place(mOwnWordsCaption->x(), bottom + std::max(0, (room - height) / 2),
                      mOwnWordsCaption->width(), height);
    if (mRunsInstead->geometry() != place) mRunsInstead->setGeometry(place);
}

// The issue options and the own words are what runs unless a session of the user's own is
// chosen: then they are greyed, and a line above them names the session that runs instead.
void frmMain::ShowWhatRuns() {
    const std::optional<PersonalSession>& chosen = mController.ChosenPersonalSession();
    const bool issueRuns = !chosen.has_value();
    for (int i = 1; i <= ISSUE_OPTION_COUNT; ++i) radMode[i]->setEnabled(issueRuns);
    for (QWidget* w : std::initializer_list<QWidget*>{mOwnWordsCaption, mOwnWords}) {
        if (w != nullptr) w->setEnabled(issueRuns);
    }
    if (mRunsInstead == nullptr) {
        if (issueRuns || mOwnWordsCaption == nullptr) return;
        mRunsInstead = new QLabel(fraMode);
        mRunsInstead->setObjectName(QStringLiteral("lblRunsInstead"));
        // A title is the user's own text: shown as typed, never read as markup.
        mRunsInstead->setTextFormat(Qt::PlainText);
        mRunsInstead->setFont(mOwnWordsCaption->font());
        auto* follow = new EventHook(mRunsInstead, [this](QObject*, QEvent* event) {
            if (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                event->type() == QEvent::FontChange) {
                if (event->type() == QEvent::FontChange) {
                    mRunsInstead->setFont(mOwnWordsCaption->font());
                }
                PlaceRunsInsteadLine();
            }
            return false;
        });
        mOwnWordsCaption->installEventFilter(follow);
    }
    if (issueRuns) {
        mRunsInstead->hide();
        return;
    }
    const QString line = tr("Your session \u201C%1\u201D runs instead.").arg(chosen->title);
    mRunsInstead->setAccessibleName(line);
    mRunsInstead->setToolTip(line);
    // A long title gives way in its middle, so that the line stays one line under the list.
    const QFontMetrics metrics(mRunsInstead->font());
    const int room = mOwnWordsCaption->width() - metrics.horizontalAdvance(line) +
                     metrics.horizontalAdvance(chosen->title);
    const QString shown =
        tr("Your session \u201C%1\u201D runs instead.")
            .arg(metrics.elidedText(chosen->title, Qt::ElideMiddle, std::max(room, 0)));
    mRunsInstead->setText(shown);
    PlaceRunsInsteadLine();
    mRunsInstead->show();
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
        ShowWhatRuns();
    });
}

void frmMain::cboPersonalSession_Changed(int index) {
    if (index > 0 && index <= mListedSessions.size()) {
        mController.ChoosePersonalSession(mListedSessions[index - 1]);
    } else {
        mController.ChoosePersonalSession(std::nullopt);
    }
    ShowWhatRuns();
}

void frmMain::radMode_Clicked(int optionIndex) {
    // Choosing an issue means working on it: the controller lets go of a chosen session of the
    // user's own, and the list says so.
    mController.radMode_Click(optionIndex);
    if (mPersonalSessions) {
        const QSignalBlocker quiet(mPersonalSessions);
        mPersonalSessions->setCurrentIndex(0);
        ShowWhatRuns();
    }
}

void frmMain::cmdManageSessions_Click() {
    Trap({"frmMain", "cmdManageSessions_Click"}, [&] {
        const auto& run = mServices.runPersonalSessions;
        const auto& manage = mServices.managePersonalSessions;
        QString start;
        {
            const StepTimerHold hold(mController);
            const SessionState& state = mController.State();
            if (run) {
                start = run(this, state.genmSelectedIssue, state.gstrOwnWords);
            } else if (manage) {
                manage(this, state.genmSelectedIssue, state.gstrOwnWords);
            }
        }
        ListPersonalSessions();
        if (!start.isEmpty()) StartListedSession(start);
    });
}

// Start in the My sessions dialog: the session, as its file reads now, is chosen in the list and
// the session moves on to its first rating. A session whose file went meanwhile is not started.
void frmMain::StartListedSession(const QString& title) {
    for (qsizetype i = 0; i < mListedSessions.size(); ++i) {
        if (mListedSessions[i].title != title) continue;
        const int index = int(i) + 1;
        {
            const QSignalBlocker quiet(mPersonalSessions);
            mPersonalSessions->setCurrentIndex(index);
        }
        cboPersonalSession_Changed(index);
        if (mController.State().genmCurrentStep == estSelectIssue) mController.Next();
        return;
    }
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
