#pragma once
// The state of one session; the controller owns the one instance.

#include "engine/issues.h"
#include "engine/steps.h"

namespace mindrova {

struct SessionState : RoundState {
    Step genmCurrentStep = estNone;
    Issue genmSelectedIssue = eisNone;
    qint32 glngStepLength = 0;
    qint32 glngSecondsInStep = 0;
    qint32 glngMilliseconds = 0;    // toward the next second, in steps of 10
    qint32 glngElapsedSeconds = 0;  // since the window loaded; never reset
};

}  // namespace mindrova
