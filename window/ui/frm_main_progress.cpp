// The session window's own words and ratings: the field under the issue list, the two lines that
// remind the user of their ratings, and the gentle word under the rating scale.
#include <QValidator>
#include <algorithm>

#include "session/gentle_word.h"
#include "session/own_words.h"
#include "session/rating_lines.h"
#include "window/ui/closing_word.h"
#include "window/ui/frm_main.h"
#include "window/ui/window_announcer.h"
#include "support/ui/window_fonts.h"
#include "window/ui/window_services.h"
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
    mOwnWordsCaption = new QLabel(tr("In your own words (optional):"), fraMode);
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
    mClosingWord->Show(state);
    PlaceRatingLines();
    mGentleWordOnce.StepEntered(step);
    ShowGentleWord(true);
}

void frmMain::BuildGentleWord() {
    mGentleWord = new QLabel(picRightFrame);
    mGentleWord->setObjectName(QStringLiteral("lblGentleWord"));
    mGentleWord->setTextFormat(Qt::PlainText);
    mGentleWord->setWordWrap(true);
    mGentleWord->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mGentleWord->setHidden(true);
}

// The rating on the current step may call for the gentle word: on entering the step (a rating
// carried over from before) or as the user chooses one. It is said with the step's own words when
// it shows as the step is entered, else at once, and only the time it first shows.
void frmMain::ShowGentleWord(bool stepBeingEntered) {
    const SessionState& state = mController.State();
    const bool first = mGentleWordOnce.RatingChosen(state.genmCurrentStep, state.gintFirstSUD,
                                                    mController.SelectedSUD());
    const bool shown = mGentleWordOnce.Shown();
    if (shown) {
        const QString text = GentleWordText();
        mGentleWord->setText(text);
        mGentleWord->setAccessibleName(text);
        mGentleWord->setVisible(true);
        PlaceGentleWord();
    } else if (!mGentleWord->isHidden()) {
        mGentleWord->setHidden(true);
    }
    if (stepBeingEntered || first) {
        const QString line = shown ? GentleWordText() : QString();
        for (const auto& part : mParts) part->StepLineShown(line, stepBeingEntered);
    }
    // A screen reader hears it where the user is, as they choose the rating.
    if (first && !stepBeingEntered && mAnnouncer) mAnnouncer->Announce(GentleWordText());
}

void frmMain::RatingChosen() {
    Trap({"frmMain", "RatingChosen"}, [&] { ShowGentleWord(false); });
}

// Under the scale, as wide as the scale; its font is the scale's share of larger text, smaller
// again where the panel under the scale is too low to hold the line at that size.
void frmMain::PlaceGentleWord() {
    if (mGentleWord == nullptr || mGentleWord->isHidden()) return;
    const TwipRect& scale = mLayout.fraSUD_2;
    const double top = scale.bottom() + 120 * mTextScales.sud;
    const int width = mScale.px(scale.width);
    const int room = mScale.px(mLayout.picRightFrame.height - top) - mScale.px(30);
    // The window's own font (9 points as built) carries the share of another screen's scale.
    const double screenShare = font().pointSizeF() / 9.0;
    QFont font = UiFont(12 * mTextScales.sud * screenShare);
    const double smallest = 8 * screenShare;
    mGentleWord->setFont(font);
    while (mGentleWord->heightForWidth(width) > room && font.pointSizeF() > smallest) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        mGentleWord->setFont(font);
    }
    const int height = std::max(0, std::min(mGentleWord->heightForWidth(width), room));
    mGentleWord->setGeometry(mScale.px(scale.left), mScale.px(top), width, height);
}

void frmMain::PlaceRatingLines() {
    // Above the scale; and right under the closing exercise's last line (the label's box is
    // taller than its text), never over the status bar. Measuring that text is not cheap, so a
    // hidden line is not placed: it is placed when it is shown.
    if (!mFirstRatingLine->isHidden()) {
        const TwipRect& scale = mLayout.fraSUD_2;
        mFirstRatingLine->setGeometry(
            mScale.rect({scale.left, std::max(0.0, scale.top - 600 * mTextScales.text), scale.width,
                         495 * mTextScales.text}));
        if (mTextScales.text > 1 || mFirstRatingShare != 1) FitLargerLines();
    }
    if (mRatingChangeLine->isHidden()) return;
    const QRect closing = scrIntro->geometry();
    const int textHeight = std::min(closing.height(), lblIntro->heightForWidth(lblIntro->width()));
    const int lineHeight = mScale.px(495 * mTextScales.text);
    const double wordSize = 12 * mTextScales.text * font().pointSizeF() / 9.0;
    const int lowest = ContentFoot() - lineHeight -
                       ClosingWord::HeightFor(mController.State(), closing.width(), wordSize);
    const int top = std::min(closing.top() + std::max(0, textHeight) + mScale.px(120), lowest);
    mRatingChangeLine->setGeometry(closing.left(), top, closing.width(), lineHeight);
    mRatingChangeLine->raise();
    mClosingWord->Place(mRatingChangeLine->geometry(), ContentFoot(), wordSize);
    RaiseContentBars();
}

}  // namespace mindrova
