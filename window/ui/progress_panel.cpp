#include "window/ui/progress_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QValidator>
#include <algorithm>

#include "session/own_words.h"
#include "session/rating_lines.h"
#include "session/session_controller.h"
#include "support/error_trap.h"
#include "support/ui/window_fonts.h"
#include "window/ui/closing_word.h"
#include "window/ui/frm_main.h"

namespace mindrova {
namespace {

constexpr TwipRect kOwnWordsCaption{720, 7020, 6045, 375};
constexpr TwipRect kOwnWordsField{720, 7440, 6045, 450};

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

QLabel* HiddenLine(QWidget& parent, const char* name) {
    auto* line = new QLabel(&parent);
    line->setObjectName(QLatin1String(name));
    line->setHidden(true);
    return line;
}

}  // namespace

ProgressPanel::ProgressPanel(frmMain& window, QWidget& pointsPanel, SessionController& controller,
                             std::function<ProgressPlaces()> places)
    : mWindow(window),
      mController(controller),
      mPlaces(std::move(places)),
      mClosingWord(std::make_unique<ClosingWord>(window)) {
    // Built with the window, before any larger text: the window grows them with the text.
    mFirstRatingLine = HiddenLine(pointsPanel, "lblFirstRating");
    mFirstRatingLine->setAccessibleName(tr("First rating"));
    mFirstRatingLine->setFont(UiFont(14.25));
    mRatingChangeLine = HiddenLine(window, "lblRatingChange");
    mRatingChangeLine->setAccessibleName(tr("Rating change"));
    mRatingChangeLine->setFont(UiFont(14.25));

    mGentleWord = HiddenLine(pointsPanel, "lblGentleWord");
    mGentleWord->setTextFormat(Qt::PlainText);
    mGentleWord->setWordWrap(true);
    mGentleWord->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

ProgressPanel::~ProgressPanel() = default;

void ProgressPanel::BuildOwnWords() {
    if (mOwnWords != nullptr) return;
    QWidget& frame = mWindow.issueFrame();
    const double issuesShare = mPlaces().textScales.issues;
    mOwnWordsCaption = new QLabel(tr("In your own words (optional):"), &frame);
    mOwnWordsCaption->setObjectName(QStringLiteral("lblOwnWords"));
    mOwnWordsCaption->setAccessibleName(tr("In your own words (optional)"));
    mOwnWordsCaption->setFont(UiFont(12 * issuesShare));

    mOwnWords = new QLineEdit(&frame);
    mOwnWords->setObjectName(QStringLiteral("txtOwnWords"));
    mOwnWords->setAccessibleName(tr("In your own words (optional)"));
    mOwnWords->setAccessibleDescription(
        tr("Your words for the set-up statement, up to %1 characters").arg(OWN_WORDS_MAX_LENGTH));
    mOwnWords->setFont(UiFont(12 * issuesShare));
    mOwnWords->setValidator(new OwnWordsValidator(mOwnWords));
    mOwnWordsCaption->setBuddy(mOwnWords);
    QWidget::setTabOrder(&mWindow.issueOption(6), mOwnWords);
    connect(mOwnWords, &QLineEdit::textChanged, this,
            [this](const QString& text) { mController.SetOwnWords(text); });
    // Made after the window was laid out: shown with the issue list, and scaled with it on a
    // screen of another DPI.
    mOwnWordsCaption->show();
    mOwnWords->show();
    mWindow.AddIssueListRow(*mOwnWordsCaption, kOwnWordsCaption, {});
    mWindow.AddIssueListRow(*mOwnWords, kOwnWordsField, {mOwnWords});
}

void ProgressPanel::StepEntered(Step step) {
    const SessionState& state = mController.State();
    ShowLine(mFirstRatingLine, FirstRatingLine(step, state));
    ShowLine(mRatingChangeLine, RatingChangeLine(step, state));
    mClosingWord->Show(state);
    mGentleWordOnce.StepEntered(step);
    ShowGentleWord(true);
}

void ProgressPanel::RatingChosen() {
    Trap({"frmMain", "RatingChosen"}, [&] { ShowGentleWord(false); });
}

bool ProgressPanel::FirstRatingShown() const {
    return !mFirstRatingLine->isHidden();
}

// The rating on the current step may call for the gentle word: on entering the step (a rating
// carried over from before) or as the user chooses one. It is said with the step's own words when
// it shows as the step is entered, else at once, and only the time it first shows.
void ProgressPanel::ShowGentleWord(bool stepBeingEntered) {
    const SessionState& state = mController.State();
    const bool first = mGentleWordOnce.RatingChosen(state.genmCurrentStep, state.gintFirstSUD,
                                                    mController.SelectedSUD());
    const bool shown = mGentleWordOnce.Shown();
    if (shown) {
        const QString text = GentleWordText();
        mGentleWord->setText(text);
        mGentleWord->setAccessibleName(text);
        mGentleWord->setVisible(true);
        // A step being entered is placed whole once its lines are shown.
        if (!stepBeingEntered) PlaceGentleWord(mPlaces());
    } else if (!mGentleWord->isHidden()) {
        mGentleWord->setHidden(true);
    }
    if (stepBeingEntered || first)
        emit lineShown(shown ? GentleWordText() : QString(), stepBeingEntered);
    if (first && !stepBeingEntered) emit announce(GentleWordText());
}

void ProgressPanel::Place() {
    const ProgressPlaces places = mPlaces();
    PlaceRatingLines(places);
    PlaceGentleWord(places);
}

// Under the scale, as wide as the scale; its font is the scale's share of larger text, smaller
// again where the panel under the scale is too low to hold the line at that size.
void ProgressPanel::PlaceGentleWord(const ProgressPlaces& places) {
    if (mGentleWord->isHidden()) return;
    const TwipScale& scale = places.scale;
    const TwipRect& sud = places.sudFrame;
    const double top = sud.bottom() + 120 * places.textScales.sud;
    const int width = scale.px(sud.width);
    const int room = scale.px(places.pointsPanelHeight - top) - scale.px(30);
    QFont font = UiFont(12 * places.textScales.sud * places.screenShare);
    const double smallest = 8 * places.screenShare;
    mGentleWord->setFont(font);
    while (mGentleWord->heightForWidth(width) > room && font.pointSizeF() > smallest) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        mGentleWord->setFont(font);
    }
    const int height = std::max(0, std::min(mGentleWord->heightForWidth(width), room));
    mGentleWord->setGeometry(scale.px(sud.left), scale.px(top), width, height);
}

// Above the scale; and right under the closing exercise's last line (the label's box is taller
// than its text), never over the status bar. Measuring that text is not cheap, so a hidden line
// is not placed: it is placed when it is shown.
void ProgressPanel::PlaceRatingLines(const ProgressPlaces& places) {
    const TwipScale& scale = places.scale;
    const double textShare = places.textScales.text;
    if (!mFirstRatingLine->isHidden()) {
        const TwipRect& sud = places.sudFrame;
        mFirstRatingLine->setGeometry(scale.rect(
            {sud.left, std::max(0.0, sud.top - 600 * textShare), sud.width, 495 * textShare}));
    }
    if (mRatingChangeLine->isHidden()) return;
    const QRect& closing = places.closingBox;
    const int textHeight =
        std::min(closing.height(), places.closingText->heightForWidth(places.closingText->width()));
    const int lineHeight = scale.px(495 * textShare);
    const double wordSize = 12 * textShare * places.screenShare;
    const int lowest = places.contentFoot - lineHeight -
                       ClosingWord::HeightFor(mController.State(), closing.width(), wordSize);
    const int top = std::min(closing.top() + std::max(0, textHeight) + scale.px(120), lowest);
    mRatingChangeLine->setGeometry(closing.left(), top, closing.width(), lineHeight);
    mRatingChangeLine->raise();
    mClosingWord->Place(mRatingChangeLine->geometry(), places.contentFoot, wordSize);
}

}  // namespace mindrova
