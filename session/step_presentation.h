#pragma once
// What each step shows: which panels and pictures are visible, its title and its instruction
// text, and the elapsed-time caption. Pure rules; the window applies them.

#include <QString>

#include "session/session_state.h"

namespace mindrova {

struct StepVisibility {
    bool panels = false;  // picLeftFrame, picRightFrame, lblSplit
    bool lblIntro = false;
    bool picShape = false;
    bool hands = false;  // picHandLeft, picHandRight
    bool fraMode = false;
    bool fraSUD_2 = false;
    bool shpGreen = false;
    bool operator==(const StepVisibility&) const = default;
};

StepVisibility GetStepVisibility(Step step);

// The title of a step; ids outside 1..26 get a message box and empty text.
QString SegmentTitleText(Step step, bool positiveSequence);

// The instruction text of a step for what the session works on (see chosen_work.h) and its
// polarity.
QString StepInstructionsText(Step step, const SessionState& state);

// "mm:ss" below an hour, "h:mm:ss" below a day, "hh:mm:ss" (hours of the day) from a day on.
QString FormatElapsedTime(qint32 seconds);

// Intro and Finish carry their text on lblIntro, every other step on lblLeftFrame.
constexpr bool TextGoesOnIntroLabel(Step step) {
    return step == estIntro || step == estFinish;
}

}  // namespace mindrova
