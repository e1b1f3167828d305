#pragma once
// Owns the session state and moves it from step to step: on the 10 ms tick of the step timer
// for the timed steps, and on the user's commands for every other step.

#include <QtGlobal>
#include <optional>
#include <vector>

#include "engine/personal_session.h"

#include "session/point_markers.h"
#include "session/session_listener.h"
#include "session/session_state.h"
#include "session/session_view.h"

namespace mindrova {

inline constexpr int STEP_TIMER_INTERVAL_MS = 10;
inline constexpr int SUD_OPTION_COUNT = 11;

class SessionController {
public:
    explicit SessionController(SessionView& view) : mView(view) {}
    SessionController(const SessionController&) = delete;
    SessionController& operator=(const SessionController&) = delete;

    const SessionState& State() const { return mState; }
    bool Busy() const { return mblnBusy; }
    qint16 SelectedSUD() const { return mintSelectedSUD; }
    // The point display: the current step's marker (-1 or 0 when it has none) and its blink.
    qint32 CurrentDot() const { return glngCurrentDot; }
    const BlinkState& Blinking() const { return mBlink; }
    // Steady markers: the current marker is shown for the whole point instead of blinking, for
    // people who should not watch a blinking screen. The point's timing stays as it is.
    bool SteadyMarkers() const { return mblnSteadyMarkers; }
    void SetSteadyMarkers(bool steady);
    // Paused by Pause until Resume or a step change; Resume is offered exactly then.
    bool Paused() const { return mblnPaused; }
    // Pause is offered on a timed step that is not paused.
    bool PauseAvailable() const { return mblnPauseEnabled && !mblnPaused; }
    bool PreviousEnabled() const { return mblnPreviousEnabled; }

    // The session part of loading the window: zero the clock, initialise, show the intro.
    void StartSession();

    void tmrSteps_Timer();
    void ProcessSteps(Step step, qint32 length, bool force, bool navigation);
    void Navigate(bool pblnForward, Step penmCurrentStep);
    void EnableDisableTimer();
    void InitializeVariablesAndControls();
    void ResetSession(Step step);
    void UpdateDisplay_SelectedIssue(Issue issue);
    // One blink step for the current marker, on every tick of a timed step.
    void Blink();
    void ResetBlink() { mBlink = BlinkState{}; }

    // Commands.
    void cmdNavig_Click(int index);  // 0 Previous, 1 Next
    void Next() { cmdNavig_Click(1); }
    void Previous() { cmdNavig_Click(0); }
    void cmdFinish_Click();
    void Pause();
    void Resume();
    void Exit();
    // The window is closing, by Exit or by its close box: listeners finish what they do.
    void EndSession();

    // A dialog over the session (About, Journal, Voice) holds the step timer while it is open:
    // the session's clock waits, as it waits for a paused session. On the last release the
    // timer runs again exactly when the session's own rules want it running, whatever the step
    // came to be meanwhile. Holds nest; a release without a hold does nothing.
    void HoldStepTimer();
    void ReleaseStepTimer();
    bool StepTimerHeld() const { return mTimerHolds > 0; }

    // Selections and window events.
    void radMode_Click(int optionIndex);
    void radSUD_Click(int index);
    void lblSUDUnit_Click(int index);
    void Form_Activate() { mblnActivated = true; }
    // The user's own words for the set-up statement; refused words leave the kept ones as they
    // are and return false.
    bool SetOwnWords(const QString& words);
    // A session of the user's own chosen on Select Issue in the issue's place, or none (the
    // chosen issue holds again). Choosing an issue in the list (radMode_Click) drops it too.
    void ChoosePersonalSession(const std::optional<PersonalSession>& session);
    const std::optional<PersonalSession>& ChosenPersonalSession() const { return mState.gPersonal; }
    // The pace chosen in the session options; a personal session's own values win over it.
    // A change reaches the point being tapped at once, and the next round start.
    void SetPace(const SessionPace& pace);
    const SessionPace& Pace() const { return mPaceOptions; }
    // The pace the session runs at now (see SessionState::gPace).
    const SessionPace& CurrentPace() const { return mState.gPace; }

    // Listeners are told in the order they were added; the controller does not own them.
    void AddListener(SessionListener* listener);
    void RemoveListener(SessionListener* listener);

private:
    void StopTimer() { SetStepTimer(false); }
    void ApplyPace();
    // Every start and stop of the step timer goes through here, so that a hold is kept.
    void SetStepTimer(bool wanted);
    void SetPreviousEnabled(bool enabled);
    // The marker and its colour for the step, then the view's panels and texts.
    void DisplayStep(Step step);
    void NotifyStepEntered(Step left);
    // The rating in the SUD scale is taken as the session moves on from a rating step.
    void TakeRatingOnLeaving(Step left);

    SessionView& mView;
    SessionState mState;
    SessionPace mPaceOptions;
    bool mblnActivated = false;
    bool mblnBusy = false;
    bool mInTick = false;
    // The session's own wish for the step timer, and the dialogs holding it.
    bool mTimerWanted = false;
    int mTimerHolds = 0;
    qint16 mintSelectedSUD = 5;
    qint32 glngCurrentDot = 0;
    BlinkState mBlink;
    bool mblnSteadyMarkers = false;
    bool mblnPaused = false;
    // As the window's buttons start: Pause and Previous enabled until the session says otherwise.
    bool mblnPauseEnabled = true;
    bool mblnPreviousEnabled = true;
    std::vector<SessionListener*> mListeners;
};

// Holds the step timer for as long as it lives, so that a dialog that fails still lets go.
class StepTimerHold {
public:
    explicit StepTimerHold(SessionController& controller) : mController(controller) {
        mController.HoldStepTimer();
    }
    ~StepTimerHold() { mController.ReleaseStepTimer(); }
    StepTimerHold(const StepTimerHold&) = delete;
    StepTimerHold& operator=(const StepTimerHold&) = delete;

private:
    SessionController& mController;
};

}  // namespace mindrova
