// The features' parts of the session window (window_part.h): made in the order the application
// gives them, told what happens on the window, and the window's face toward them: laying out
// again, the issue list and a row of theirs under it.
#include <QList>
#include <algorithm>
#include <memory>
#include <utility>

#include "support/ui/window_fonts.h"
#include "window/ui/frm_main.h"
#include "window/ui/progress_panel.h"
#include "window/ui/window_services.h"

namespace mindrova {

// Each part adds its menu items before the separator, so that they follow one another in the
// order the application gives the parts.
void frmMain::MakeParts() {
    for (const WindowPartMaker& make : mServices.parts) {
        if (!make) continue;
        if (std::unique_ptr<WindowPart> part = make(*this)) mParts.push_back(std::move(part));
    }
}

void frmMain::GiveKeyToParts(KeyCommand command) {
    for (const auto& part : mParts) {
        if (part->TakeKey(command)) return;
    }
}

bool frmMain::PartSpeaksSteps() const {
    return std::any_of(mParts.begin(), mParts.end(),
                       [](const auto& part) { return part->SpeaksSteps(); });
}

void frmMain::LayOutAgain() {
    if (!isMinimized()) ArrangeControls();
}

// Choosing an issue means working on it: the controller lets go of a chosen session of the
// user's own, and the parts hear of it.
void frmMain::ChooseIssue(int optionIndex) {
    mController.radMode_Click(optionIndex);
    for (const auto& part : mParts) part->IssueChosen();
}

QLabel* frmMain::ownWordsCaption() const {
    return mProgress->ownWordsCaption();
}

QLineEdit* frmMain::ownWords() const {
    return mProgress->ownWords();
}

QFont frmMain::IssueListFont(double points) const {
    return UiFont(points * mTextScales.issues * font().pointSizeF() / 9.0);
}

void frmMain::AddIssueListRow(QWidget& row, const TwipRect& designPlace,
                              const QList<QWidget*>& rimmed) {
    row.setGeometry(mScale.rect(ScaledDesignPlace(&row, designPlace)));
    mDesignPlaces.push_back({&row, designPlace});
    mIssueListRows << &row;
    for (QWidget* control : rimmed) mRimmedControls << control;
    ApplyControlRims();
    CloseUpIssueList();
}

}  // namespace mindrova
