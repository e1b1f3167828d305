#pragma once
// A session view that records what the controller told it, with the real blink arithmetic so
// that marker visibility can be followed tick by tick.

#include <QList>
#include <array>
#include <functional>

#include "session_window/point_markers.h"
#include "session_window/session_view.h"

namespace mindrova::testing {

// One flag per control, indexed by the control (cheap enough for the tick benchmark).
struct ControlFlags {
    std::array<bool, 4> flags;
    bool& operator[](SessionControl c) { return flags[static_cast<std::size_t>(c)]; }
    bool at(SessionControl c) const { return flags[static_cast<std::size_t>(c)]; }
};

class FakeSessionView : public SessionView {
public:
    bool timerEnabled = false;
    // Pause, Resume, PauseBottom, Previous
    ControlFlags visible{{true, false, false, true}};
    ControlFlags enabled{{true, true, true, true}};
    int sudOption = -1;
    int issueOption = -1;
    QList<Step> displayed;
    qint32 shownSeconds = -1;
    int timeUpdates = 0;
    BlinkState blink;
    int blinkCalls = 0;
    int markerShownChanges = 0;
    bool markerVisible = false;
    bool markersGreen = false;
    int paints = 0;
    bool closed = false;
    std::function<void(Step)> onDisplayStep;  // e.g. to throw from inside a step change
    std::function<void(qint32)> onUpdateTimeElapsed;

    void SetStepTimerEnabled(bool on) override { timerEnabled = on; }
    bool StepTimerEnabled() const override { return timerEnabled; }
    void SetControlVisible(SessionControl c, bool v) override { visible[c] = v; }
    void SetControlEnabled(SessionControl c, bool e) override { enabled[c] = e; }
    void SelectSUDOption(int index) override { sudOption = index; }
    void SelectIssueOption(int index) override { issueOption = index; }
    void DisplayStep(Step step) override {
        displayed << step;
        markerVisible = false;
        if (onDisplayStep) onDisplayStep(step);
    }
    void UpdateTimeElapsed(qint32 seconds) override {
        shownSeconds = seconds;
        ++timeUpdates;
        if (onUpdateTimeElapsed) onUpdateTimeElapsed(seconds);
    }
    void Blink() override {
        ++blinkCalls;
        if (AdvanceBlink(blink)) {
            markerVisible = blink.gblnBlinkOn;
            ++markerShownChanges;
        }
    }
    void ResetBlink() override { blink = BlinkState{}; }
    void PaintDotsGreenOrRed(bool green) override {
        markersGreen = green;
        ++paints;
    }
    void CloseWindow() override { closed = true; }

    bool paused() const {
        return visible.at(SessionControl::Resume) && enabled.at(SessionControl::Resume);
    }
};

}  // namespace mindrova::testing
