#pragma once
// What the session controller does to the window. frmMain implements it; tests use a fake.
// The view only renders: which marker blinks, its phase, its colour and whether the session is
// paused are decided by the controller and handed down here.

#include <QtGlobal>

#include "engine/steps.h"

namespace mindrova {

enum class SessionControl {
    Pause,        // cmdPause
    Resume,       // cmdResume
    PauseBottom,  // cmdPause_Bottom
    Previous,     // cmdNavig(0)
};

class SessionView {
public:
    virtual ~SessionView() = default;

    virtual void SetStepTimerEnabled(bool enabled) = 0;
    virtual bool StepTimerEnabled() const = 0;
    virtual void SetControlVisible(SessionControl control, bool visible) = 0;
    virtual void SetControlEnabled(SessionControl control, bool enabled) = 0;
    virtual void SelectSUDOption(int index) = 0;
    virtual void SelectIssueOption(int optionIndex) = 0;

    // Panels, pictures and texts of the step; every point marker hidden.
    virtual void DisplayStep(Step step) = 0;
    virtual void UpdateTimeElapsed(qint32 seconds) = 0;

    // One point marker (1..16) shown or hidden; any other index shows nothing.
    virtual void ShowMarker(qint32 index, bool shown) = 0;
    virtual void PaintDotsGreenOrRed(bool green) = 0;

    virtual void CloseWindow() = 0;
};

}  // namespace mindrova
