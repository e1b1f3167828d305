#pragma once
// A calm word under the rating scale when a rating says the issue is heavy: the first rating 8 or
// more, or a later one higher than the first. It is shown, and spoken, once in a piece of work
// (from the issue list to the next return to it), on the rating step where it first applies.

#include <QString>
#include <QtGlobal>

#include "engine/steps.h"
#include "session/session_state.h"

namespace mindrova {

// The line itself: no numbers to call and no addresses, only what the user may do.
QString GentleWordText();

// Whether the rating being chosen on this step calls for the word. On Assign SUD the chosen
// rating becomes the first rating; on Reassess SUD it is a later one, set against the first
// (-1 while none was taken). Any other step never calls for it.
bool RatingCallsForGentleWord(Step step, qint16 firstRating, qint16 chosenRating);

// Whether the closing exercise shows the word beside its own last lines: the user rated again
// and the last rating is higher than the first, so the issue did not go.
bool ClosingCallsForGentleWord(const SessionState& state);

// Keeps the word to once in a piece of work.
class GentleWordOnce {
public:
    // A step was entered: back at the issue list a new piece of work begins; on any other step
    // the word of an earlier step is no longer shown.
    void StepEntered(Step step);
    // The rating chosen now on the current step. True only the first time in the piece of work
    // that the rating calls for the word: show it (and say it) now.
    bool RatingChosen(Step step, qint16 firstRating, qint16 chosenRating);
    // Whether the word stands under the scale of the current step.
    bool Shown() const { return mShownOnStep; }

private:
    bool mGiven = false;
    bool mShownOnStep = false;
};

}  // namespace mindrova
