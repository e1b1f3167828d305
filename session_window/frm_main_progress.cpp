// The session window's own words and ratings: the field under the issue list, the two lines that
// remind the user of their ratings, and the journal's menu items.
#include <QValidator>
#include <algorithm>

#include "session/own_words.h"
#include "session/rating_lines.h"
#include "session_window/frm_main.h"
#include "session_window/window_fonts.h"
#include "session_window/window_services.h"
#include "support/error_trap.h"

namespace mindrova {
namespace {

// Refuses a keystroke or a paste that would break the one-line rule, so the field never holds
// words the session would not keep.
class OwnWordsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        return OwnWordsAcceptable(input) ? Acceptable : Invalid;
    }
};

void ShowLine(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
    if (!text.isEmpty() && label->accessibleName() != text) label->setAccessibleName(text);
    label->setVisible(!text.isEmpty());
}

}  // namespace

void frmMain::BuildOwnWordsField() {
    constexpr TwipRect kCaption{720, 7020, 6045, 375};
    constexpr TwipRect kField{720, 7440, 6045, 450};
    mOwnWordsCaption = new QLabel(QStringLiteral("In your own words (optional):"), fraMode);
    mOwnWordsCaption->setObjectName(QStringLiteral("lblOwnWords"));
    mOwnWordsCaption->setAccessibleName(tr("In your own words (optional)"));
    mOwnWordsCaption->setFont(UiFont(12 * mTextScales.issues));
    mOwnWordsCaption->setGeometry(mScale.rect(ScaledDesignPlace(mOwnWordsCaption, kCaption)));

    mOwnWords = new QLineEdit(fraMode);
    mOwnWords->setObjectName(QStringLiteral("txtOwnWords"));
    mOwnWords->setAccessibleName(tr("In your own words (optional)"));
    mOwnWords->setAccessibleDescription(
        tr("Your words for the set-up statement, up to %1 characters").arg(OWN_WORDS_MAX_LENGTH));
    mOwnWords->setFont(UiFont(12 * mTextScales.issues));
    mOwnWords->setValidator(new OwnWordsValidator(mOwnWords));
    mOwnWords->setGeometry(mScale.rect(ScaledDesignPlace(mOwnWords, kField)));
    mOwnWordsCaption->setBuddy(mOwnWords);
    setTabOrder(radMode[6], mOwnWords);
    connect(mOwnWords, &QLineEdit::textChanged, this,
            [this](const QString& text) { mController.SetOwnWords(text); });
    // Made after the window was laid out: shown with the issue list, and scaled with it on a
    // screen of another DPI.
    mOwnWordsCaption->show();
    mOwnWords->show();
    ApplyControlRims();
    mDesignPlaces.push_back({mOwnWordsCaption, kCaption});
    mDesignPlaces.push_back({mOwnWords, kField});
}

void frmMain::BuildRatingLines() {
    mFirstRatingLine = new QLabel(picRightFrame);
    mFirstRatingLine->setObjectName(QStringLiteral("lblFirstRating"));
    mFirstRatingLine->setAccessibleName(tr("First rating"));
    mFirstRatingLine->setFont(UiFont(14.25 * mTextScales.text));
    mFirstRatingLine->setHidden(true);

    mRatingChangeLine = new QLabel(this);
    mRatingChangeLine->setObjectName(QStringLiteral("lblRatingChange"));
    mRatingChangeLine->setAccessibleName(tr("Rating change"));
    mRatingChangeLine->setFont(UiFont(14.25 * mTextScales.text));
    mRatingChangeLine->setHidden(true);
}

void frmMain::ShowRatingLines(Step step) {
    const SessionState& state = mController.State();
    ShowLine(mFirstRatingLine, FirstRatingLine(step, state));
    ShowLine(mRatingChangeLine, RatingChangeLine(step, state));
    PlaceRatingLines();
}

void frmMain::PlaceRatingLines() {
    // Above the scale; and right under the closing exercise's last line (the label's box is
    // taller than its text), never over the status bar. Measuring that text is not cheap, so a
    // hidden line is not placed: it is placed when it is shown.
    if (!mFirstRatingLine->isHidden()) {
        const TwipRect& scale = mLayout.fraSUD_2;
        mFirstRatingLine->setGeometry(
            mScale.rect({scale.left, std::max(0.0, scale.top - 600 * mTextScales.text),
                         scale.width, 495 * mTextScales.text}));
        if (mTextScales.text > 1 || mFirstRatingShare != 1) FitLargerLines();
    }
    if (mRatingChangeLine->isHidden()) return;
    const QRect closing = lblIntro->geometry();
    const int textHeight = std::min(closing.height(), lblIntro->heightForWidth(closing.width()));
    const int lineHeight = mScale.px(495 * mTextScales.text);
    const int lowest = height() - mScale.px(STATUSBAR_HEIGHT) - lineHeight;
    const int top = std::min(closing.top() + std::max(0, textHeight) + mScale.px(120), lowest);
    mRatingChangeLine->setGeometry(closing.left(), top, closing.width(), lineHeight);
    mRatingChangeLine->raise();
}

void frmMain::BuildJournalMenuItems() {
    mJournalKeep = mnuPopUp->addAction(QStringLiteral("Keep a private journal"));
    mJournalKeep->setObjectName(QStringLiteral("mnuPopUpJournalKeep"));
    mJournalKeep->setCheckable(true);
    mJournalOpen = mnuPopUp->addAction(QStringLiteral("Journal..."));
    mJournalOpen->setObjectName(QStringLiteral("mnuPopUpJournal"));
    // The check mirrors the saved setting each time the menu opens.
    connect(mnuPopUp, &QMenu::aboutToShow, this, [this] {
        const auto& enabled = WindowServices().journalEnabled;
        mJournalKeep->setChecked(enabled && enabled());
    });
    connect(mJournalKeep, &QAction::triggered, this,
            [this](bool on) { mnuPopUpJournalKeep_Toggled(on); });
    // Like the About box, the journal window holds the session's clock while it is open.
    connect(mJournalOpen, &QAction::triggered, this, [this] {
        Trap({"frmMain", "mnuPopUpJournal_Click"}, [&] {
            const StepTimerHold hold(mController);
            if (WindowServices().showJournal) WindowServices().showJournal(this);
        });
    });
}

void frmMain::mnuPopUpJournalKeep_Toggled(bool on) {
    const auto& setEnabled = WindowServices().setJournalEnabled;
    const bool now = setEnabled ? setEnabled(on, this) : false;
    mJournalKeep->setChecked(now);
}

}  // namespace mindrova
