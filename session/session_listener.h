#pragma once
// What goes on in a session, for the parts that follow it without drawing it (spoken guidance,
// the journal). Listeners are told after the window has been updated; they must not throw and
// must not block, since they run on a step change inside the tick.

#include "session/session_state.h"

namespace mindrova {

class SessionListener {
public:
    virtual ~SessionListener() = default;

    // A step was entered (by the timer, a command or Finish); state holds the new step.
    virtual void StepEntered(Step /*left*/, const SessionState& /*state*/) {}
    virtual void Paused() {}
    virtual void Resumed() {}
    // The session window is closing.
    virtual void SessionEnded() {}
};

}  // namespace mindrova
