#include "session/gentle_word.h"

#include <QCoreApplication>

namespace mindrova {
namespace {

constexpr qint16 kHeavyFirstRating = 8;

}  // namespace

QString GentleWordText() {
    return QCoreApplication::translate(
        "Ratings",
        "If this feels too much right now, it is fine to stop, to choose a lighter issue first, "
        "or to talk to someone you trust or to a professional.");
}

bool RatingCallsForGentleWord(Step step, qint16 firstRating, qint16 chosenRating) {
    if (step == estAssignSUD) return chosenRating >= kHeavyFirstRating;
    if (step == estReassessSUD && firstRating >= 0) {
        return firstRating >= kHeavyFirstRating || chosenRating > firstRating;
    }
    return false;
}

bool ClosingCallsForGentleWord(const SessionState& state) {
    return state.genmCurrentStep == estFinish && state.gintFirstSUD >= 0 &&
           !state.gintLaterSUDs.isEmpty() && state.gintLaterSUDs.last() > state.gintFirstSUD;
}

void GentleWordOnce::StepEntered(Step step) {
    mShownOnStep = false;
    if (step == estSelectIssue) mGiven = false;
}

bool GentleWordOnce::RatingChosen(Step step, qint16 firstRating, qint16 chosenRating) {
    if (mGiven || !RatingCallsForGentleWord(step, firstRating, chosenRating)) return false;
    mGiven = true;
    mShownOnStep = true;
    return true;
}

}  // namespace mindrova
