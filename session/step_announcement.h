#pragma once
// The short line a screen reader hears when the session enters a step, so that a user who cannot
// see the window always knows where the session is and what to say.

#include <QString>

#include "session/session_state.h"

namespace mindrova {

// "Point 3 of 16: Left Under Eye. Say: <the point's phrase line>" on a tapping point of a round
// (of 8 when a round taps one side),
// "Step: <the step's title>" on every other step; empty for a step that is not in the procedure.
QString StepAnnouncement(Step step, const SessionState& state);

// Whether the step is one of a round's sixteen points (spoken guidance already reads these).
bool IsRoundPoint(Step step);

}  // namespace mindrova
