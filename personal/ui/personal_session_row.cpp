#include "personal/ui/personal_session_row.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <memory>
#include <utility>

#include "session/session_controller.h"
#include "support/error_trap.h"
#include "window/ui/frm_main.h"
#include "window/ui/status_notices.h"

namespace mindrova {
namespace {

constexpr TwipRect kPersonalRow{720, 8040, 6045, 450};

// A filter that hands a watched object's events to a function of the row's. It is the row's
// child: it goes with the row, which the window lets go of before its own controls.
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

WindowPartMaker PersonalSessionsPart(PersonalRowServices services) {
    return MakerOf<PersonalSessionRow>(std::move(services));
}

PersonalSessionRow::PersonalSessionRow(frmMain& window, PersonalRowServices services)
    : mWindow(window), mServices(std::move(services)) {}

// The own-words field is made the first time Select Issue shows; the row goes under it.
void PersonalSessionRow::StepShown(const QString& /*instructions*/, bool /*onInstructions*/) {
    if (mWindow.controller().State().genmCurrentStep == estSelectIssue) {
        if (mRow == nullptr && mWindow.ownWords() != nullptr) Build();
        if (mRow != nullptr) ListSessions();
    } else if (mNotice != nullptr && !mNotice->isHidden()) {
        mWindow.notices().Hide(mNotice);
    }
}

bool PersonalSessionRow::TypesIn(const QWidget* focus) const {
    return focus != nullptr && focus == mSessions;
}

// The button beside the list takes Space and Enter as a button does.
bool PersonalSessionRow::KeepsKey(const QWidget* focus, int key) const {
    return focus != nullptr && focus == mManage &&
           (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
}

void PersonalSessionRow::Build() {
    QWidget& frame = mWindow.issueFrame();
    mRow = new QWidget(&frame);
    mRow->setObjectName(QStringLiteral("picPersonalSessions"));
    // Made on first use: the window's own font (9 points as built) carries the share of another
    // screen's scale.
    mRow->setFont(mWindow.IssueListFont(12));

    auto* caption = new QLabel(tr("&My sessions:"), mRow);
    caption->setObjectName(QStringLiteral("lblPersonalSession"));
    mSessions = new QComboBox(mRow);
    mSessions->setObjectName(QStringLiteral("cboPersonalSession"));
    mSessions->setAccessibleName(tr("My sessions"));
    mSessions->setAccessibleDescription(tr("One of your own sessions in place of the issue above"));
    // Long titles must not widen the row past the panel; the list that opens shows them whole.
    mSessions->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    mSessions->setMinimumContentsLength(8);
    caption->setBuddy(mSessions);
    mManage = new QPushButton(tr("Mana&ge..."), mRow);
    mManage->setObjectName(QStringLiteral("cmdManageSessions"));
    mManage->setAccessibleName(tr("Manage my sessions"));
    mManage->setAccessibleDescription(
        tr("Make, edit, duplicate, delete, import and export your own sessions"));

    auto* row = new QHBoxLayout(mRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(caption);
    row->addWidget(mSessions, 1);
    row->addWidget(mManage);

    QWidget::setTabOrder(mWindow.ownWords(), mSessions);
    QWidget::setTabOrder(mSessions, mManage);
    connect(mSessions, &QComboBox::activated, this, [this](int index) { SessionChosen(index); });
    connect(mManage, &QPushButton::clicked, this, [this] { ManageSessions(); });
    mNotice =
        mWindow.notices().AddNotice(QStringLiteral("lblSessionsNotice"), tr("My sessions notice"));
    mRow->show();
    mWindow.AddIssueListRow(*mRow, kPersonalRow, {mSessions});

    // A disabled option hears no click of its own: a click on a greyed issue chooses it, as a
    // click on it did before the session of the user's own greyed it.
    auto* clicks = new EventHook(this, [this](QObject* watched, QEvent* event) {
        auto* option = qobject_cast<QRadioButton*>(watched);
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
            if (&mWindow.issueOption(i) == option) {
                option->setChecked(true);
                mWindow.ChooseIssue(i);
                return true;
            }
        }
        return false;
    });
    for (int i = 1; i <= ISSUE_OPTION_COUNT; ++i) mWindow.issueOption(i).installEventFilter(clicks);
}

// The line stands in the gap between the last issue and the own-words caption, which a small
// window narrows but never closes (the list keeps half its gaps): it follows the caption
// wherever the list is laid out, and takes no row of the list's own.
void PersonalSessionRow::PlaceRunsInsteadLine() {
    QLabel* caption = mWindow.ownWordsCaption();
    if (mRunsInstead == nullptr || caption == nullptr) return;
    int bottom = 0;
    for (int i = 1; i <= ISSUE_OPTION_COUNT; ++i) {
        const QRadioButton& option = mWindow.issueOption(i);
        if (!option.isHidden()) bottom = std::max(bottom, option.geometry().bottom() + 1);
    }
    const int height = mRunsInstead->sizeHint().height();
    const int room = caption->y() - bottom;
    const QRect place(caption->x(), bottom + std::max(0, (room - height) / 2), caption->width(),
                      height);
    if (mRunsInstead->geometry() != place) mRunsInstead->setGeometry(place);
}

// The issue options and the own words are what runs unless a session of the user's own is
// chosen: then they are greyed, and a line above them names the session that runs instead.
void PersonalSessionRow::ShowWhatRuns() {
    const std::optional<PersonalSession>& chosen = mWindow.controller().ChosenPersonalSession();
    const bool issueRuns = !chosen.has_value();
    QLabel* caption = mWindow.ownWordsCaption();
    for (int i = 1; i <= ISSUE_OPTION_COUNT; ++i) mWindow.issueOption(i).setEnabled(issueRuns);
    for (QWidget* w : std::initializer_list<QWidget*>{caption, mWindow.ownWords()}) {
        if (w != nullptr) w->setEnabled(issueRuns);
    }
    if (mRunsInstead == nullptr) {
        if (issueRuns || caption == nullptr) return;
        mRunsInstead = new QLabel(&mWindow.issueFrame());
        mRunsInstead->setObjectName(QStringLiteral("lblRunsInstead"));
        // A title is the user's own text: shown as typed, never read as markup.
        mRunsInstead->setTextFormat(Qt::PlainText);
        mRunsInstead->setFont(caption->font());
        auto* follow = new EventHook(this, [this, caption](QObject*, QEvent* event) {
            if (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                event->type() == QEvent::FontChange) {
                if (event->type() == QEvent::FontChange) mRunsInstead->setFont(caption->font());
                PlaceRunsInsteadLine();
            }
            return false;
        });
        caption->installEventFilter(follow);
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
    const int room = caption->width() - metrics.horizontalAdvance(line) +
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
void PersonalSessionRow::ListSessions() {
    Trap({"frmMain", "ListPersonalSessions"}, [&] {
        SessionController& controller = mWindow.controller();
        const auto& list = mServices.listPersonalSessions;
        const PersonalSessionListing listing = list ? list() : PersonalSessionListing{};
        const std::optional<PersonalSession>& chosen = controller.ChosenPersonalSession();
        mListedSessions.clear();
        int chosenIndex = 0;
        const QSignalBlocker quiet(mSessions);
        mSessions->clear();
        mSessions->addItem(tr("The issue above"));
        for (const PersonalSessionFile& file : listing.sessions) {
            mListedSessions << file.session;
            mSessions->addItem(file.session.title);
            const int index = mSessions->count() - 1;
            mSessions->setItemData(index, file.session.title, Qt::ToolTipRole);
            if (chosen && chosen->title == file.session.title) chosenIndex = index;
        }
        mSessions->setCurrentIndex(chosenIndex);
        if (chosen && chosenIndex == 0) {
            controller.ChoosePersonalSession(std::nullopt);
        } else if (chosenIndex > 0 && !(*chosen == mListedSessions[chosenIndex - 1])) {
            controller.ChoosePersonalSession(mListedSessions[chosenIndex - 1]);
        }
        if (listing.problems.isEmpty()) {
            mWindow.notices().Hide(mNotice);
        } else {
            mWindow.notices().Show(
                mNotice, tr("%n of your session files could not be read. Manage... shows which "
                            "and why.",
                            nullptr, int(listing.problems.size())));
        }
        ShowWhatRuns();
    });
}

void PersonalSessionRow::SessionChosen(int index) {
    if (index > 0 && index <= mListedSessions.size()) {
        mWindow.controller().ChoosePersonalSession(mListedSessions[index - 1]);
    } else {
        mWindow.controller().ChoosePersonalSession(std::nullopt);
    }
    ShowWhatRuns();
}

// Choosing an issue means working on it: the controller has let go of a chosen session of the
// user's own, and the list says so.
void PersonalSessionRow::IssueChosen() {
    if (mSessions == nullptr) return;
    const QSignalBlocker quiet(mSessions);
    mSessions->setCurrentIndex(0);
    ShowWhatRuns();
}

void PersonalSessionRow::ManageSessions() {
    Trap({"frmMain", "cmdManageSessions_Click"}, [&] {
        const auto& run = mServices.runPersonalSessions;
        const auto& manage = mServices.managePersonalSessions;
        QString start;
        {
            const StepTimerHold hold(mWindow.controller());
            const SessionState& state = mWindow.controller().State();
            if (run) {
                start = run(&mWindow, state.genmSelectedIssue, state.gstrOwnWords);
            } else if (manage) {
                manage(&mWindow, state.genmSelectedIssue, state.gstrOwnWords);
            }
        }
        ListSessions();
        if (!start.isEmpty()) StartListedSession(start);
    });
}

// Start in the My sessions dialog: the session, as its file reads now, is chosen in the list and
// the session moves on to its first rating. A session whose file went meanwhile is not started.
void PersonalSessionRow::StartListedSession(const QString& title) {
    for (qsizetype i = 0; i < mListedSessions.size(); ++i) {
        if (mListedSessions[i].title != title) continue;
        const int index = int(i) + 1;
        {
            const QSignalBlocker quiet(mSessions);
            mSessions->setCurrentIndex(index);
        }
        SessionChosen(index);
        SessionController& controller = mWindow.controller();
        if (controller.State().genmCurrentStep == estSelectIssue) controller.Next();
        return;
    }
}

}  // namespace mindrova
