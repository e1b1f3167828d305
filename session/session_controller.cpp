#include "session/session_controller.h"

#include <algorithm>

#include "engine/rounds.h"
#include "session/own_words.h"
#include "support/error_trap.h"
#include "support/trace_log.h"

namespace mindrova {

void SessionController::StartSession() {
    mState.glngElapsedSeconds = 0;
    InitializeVariablesAndControls();
    ProcessSteps(mState.genmCurrentStep, mState.glngStepLength, false, false);
}

void SessionController::tmrSteps_Timer() {
    // The once-a-second yield to pending events must not run a tick inside this one.
    if (mInTick) return;
    // A tick already on its way when Pause or a hold stopped the timer must not move the
    // session.
    if (mblnPaused || mTimerHolds > 0) return;
    mInTick = true;
    int line = 0;
    Trap(
        {"frmMain", "tmrSteps_Timer"},
        [&] {
            line = 10;
            ProcessSteps(mState.genmCurrentStep, mState.glngStepLength, false, false);
            line = 20;
            if (!IsUntimedStep(mState.genmCurrentStep)) {
                line = 30;
                Blink();
            }
            line = 40;
            mState.glngMilliseconds += STEP_TIMER_INTERVAL_MS;
            if (mState.glngMilliseconds >= 1000) {
                line = 50;
                ++mState.glngSecondsInStep;
                ++mState.glngElapsedSeconds;
                mState.glngMilliseconds = 0;
                line = 60;
                mView.UpdateTimeElapsed(mState.glngElapsedSeconds);
            }
        },
        &line, [this] { StopTimer(); });
    mInTick = false;
}

void SessionController::ProcessSteps(Step step, qint32 length, bool force, bool navigation) {
    int line = 0;
    Trap(
        {"frmMain", "ProcessSteps"},
        [&] {
            line = 10;
            if (!force && mState.glngSecondsInStep < length) return;
            line = 20;
            mState.glngSecondsInStep = 0;
            const Step left = mState.genmCurrentStep;
            line = 30;
            mState.genmCurrentStep =
                navigation ? GetNextStep_Navigation(step, mState) : GetNextStep(step);
            line = 40;
            if (mState.genmCurrentStep > MAX_STEP) {
                if (TraceEnabled) {
                    WriteLog(QStringLiteral("genmCurrentStep > MAX_STEP, resetting to estIntro"));
                }
                mState.genmCurrentStep = estIntro;
            }
            line = 50;
            mState.glngStepLength = GetStepLength(mState.genmCurrentStep, mState.gPace);
            line = 60;
            ResetBlink();
            line = 70;
            if (StartsRound(mState.genmCurrentStep, mState.gPace.round)) {
                ++mState.glngRoundCount;
                const bool positive = mState.glngRoundCount > 2;
                if (positive != mState.gblnPositiveSequence) {
                    mState.gblnPositiveSequence = positive;
                    mView.PaintDotsGreenOrRed(positive);
                }
            }
            line = 80;
            DisplayStep(mState.genmCurrentStep);
            line = 90;
            EnableDisableTimer();
            line = 100;
            NotifyStepEntered(left);
        },
        &line, [this] { StopTimer(); });
}

void SessionController::Navigate(bool pblnForward, Step penmCurrentStep) {
    Trap({"modNavigate", "Navigate"}, [&] {
        Step start = penmCurrentStep;
        if (!pblnForward) {
            switch (penmCurrentStep) {
                case estNone:
                case estIntro:
                    return;
                case estSelectIssue:
                    start = estNone;
                    break;
                case estAssignSUD:
                case estFinish:
                    start = estIntro;
                    break;
                case estReassessSUD:
                    start = estTopHead1;
                    break;
                default: {
                    bool backToNegative = false;
                    const Step first = GetPrevStep(penmCurrentStep, backToNegative, mState);
                    start = GetPrevStep(first, backToNegative, mState);
                    if (backToNegative) start = estLeftHand;
                    break;
                }
            }
            mState.gblnPositiveSequence = false;
            mState.glngRoundCount = 0;
        }
        ProcessSteps(start, mState.glngStepLength, true, true);
    });
}

void SessionController::EnableDisableTimer() {
    Trap({"frmMain", "EnableDisableTimer"}, [&] {
        const bool waits = IsUntimedStep(mState.genmCurrentStep);
        mblnPaused = false;
        mblnPauseEnabled = !waits;
        SetStepTimer(!waits);
        mView.SetControlEnabled(SessionControl::Pause, !waits);
        mView.SetControlVisible(SessionControl::PauseBottom, !waits);
        mView.SetControlVisible(SessionControl::Pause, true);
        mView.SetControlVisible(SessionControl::Resume, false);
        mView.SetControlEnabled(SessionControl::Resume, false);
    });
}

void SessionController::InitializeVariablesAndControls() {
    Trap({"frmMain", "InitializeVariablesAndControls"}, [&] {
        StopTimer();
        SetPreviousEnabled(false);
        mView.SelectSUDOption(5);
        mintSelectedSUD = 5;
        ResetSession(estNone);
        mView.PaintDotsGreenOrRed(mState.gblnPositiveSequence);
        UpdateDisplay_SelectedIssue(mState.genmSelectedIssue);
    });
}

void SessionController::ResetSession(Step step) {
    mState.glngSecondsInStep = 0;
    mState.glngMilliseconds = 0;
    mState.genmCurrentStep = step;
    mState.glngStepLength = 0;
    mState.genmSelectedIssue = GetDefaultIssue();
    ResetBlink();
}

void SessionController::UpdateDisplay_SelectedIssue(Issue issue) {
    Trap({"frmMain", "UpdateDisplay_SelectedIssue"},
         [&] { mView.SelectIssueOption(IssueEnumToOptIndex(issue)); });
}

void SessionController::cmdNavig_Click(int index) {
    if (!mblnActivated || mblnBusy) return;
    mblnBusy = true;
    int line = 0;
    Trap(
        {"frmMain", "cmdNavig_Click"},
        [&] {
            const bool forward = index != 0;
            if (forward) TakeRatingOnLeaving(mState.genmCurrentStep);
            Navigate(forward, mState.genmCurrentStep);
            if (forward && mState.genmCurrentStep == estSelectIssue) {
                SetPreviousEnabled(true);
            } else if (!forward && mState.genmCurrentStep == estIntro) {
                SetPreviousEnabled(false);
            }
        },
        &line, [this] { StopTimer(); });
    mblnBusy = false;
}

void SessionController::cmdFinish_Click() {
    if (!mblnActivated || mblnBusy) return;
    mblnBusy = true;
    int line = 0;
    Trap(
        {"frmMain", "cmdFinish_Click"},
        [&] {
            const Step left = mState.genmCurrentStep;
            TakeRatingOnLeaving(left);
            mState.genmCurrentStep = estFinish;
            mState.glngRoundCount = 0;
            mState.gblnPositiveSequence = false;
            mState.glngSecondsInStep = 0;
            mState.glngStepLength = GetStepLength(estFinish, mState.gPace);
            ResetBlink();
            DisplayStep(estFinish);
            EnableDisableTimer();
            NotifyStepEntered(left);
        },
        &line, [this] { StopTimer(); });
    mblnBusy = false;
}

void SessionController::Pause() {
    mblnPaused = true;
    StopTimer();
    mView.SetControlEnabled(SessionControl::Resume, true);
    mView.SetControlVisible(SessionControl::Resume, true);
    mView.SetControlVisible(SessionControl::Pause, false);
    for (SessionListener* listener : mListeners) listener->Paused();
}

void SessionController::Resume() {
    mblnPaused = false;
    mblnPauseEnabled = true;
    mView.SetControlEnabled(SessionControl::Pause, true);
    mView.SetControlVisible(SessionControl::Pause, true);
    mView.SetControlEnabled(SessionControl::Resume, false);
    mView.SetControlVisible(SessionControl::Resume, false);
    EnableDisableTimer();
    for (SessionListener* listener : mListeners) listener->Resumed();
}

void SessionController::SetStepTimer(bool wanted) {
    mTimerWanted = wanted;
    mView.SetStepTimerEnabled(wanted && mTimerHolds == 0);
}

void SessionController::HoldStepTimer() {
    ++mTimerHolds;
    mView.SetStepTimerEnabled(false);
}

void SessionController::ReleaseStepTimer() {
    if (mTimerHolds == 0) return;
    --mTimerHolds;
    if (mTimerHolds == 0) mView.SetStepTimerEnabled(mTimerWanted);
}

void SessionController::SetPreviousEnabled(bool enabled) {
    mblnPreviousEnabled = enabled;
    mView.SetControlEnabled(SessionControl::Previous, enabled);
}

void SessionController::DisplayStep(Step step) {
    glngCurrentDot = GetStepDotIndex(step);
    // The markers are green on the karate-chop steps; entering round 1 turns them back to the
    // rounds' colour, since the polarity did not change there and ProcessSteps did not repaint.
    if (step == estLeftHand) {
        mView.PaintDotsGreenOrRed(true);
    } else if (step == estTopHead1 && mState.glngRoundCount < 2) {
        mView.PaintDotsGreenOrRed(mState.gblnPositiveSequence);
    }
    mView.DisplayStep(step);
}

void SessionController::Blink() {
    int line = 0;
    Trap(
        {"frmMain", "Blink"},
        [&] {
            line = 10;
            if (mblnSteadyMarkers) {
                // Shown on the tick a blink would first show it, then left alone.
                if (mBlink.gblnBlinkOn) return;
                mBlink.gblnBlinkOn = true;
                mView.ShowMarker(glngCurrentDot, true);
                return;
            }
            if (!AdvanceBlink(mBlink)) return;
            line = 20;
            mView.ShowMarker(glngCurrentDot, mBlink.gblnBlinkOn);
        },
        &line, [this] { StopTimer(); });
}

void SessionController::SetSteadyMarkers(bool steady) {
    mblnSteadyMarkers = steady;
    // A marker hidden in mid-blink comes back at once when the blinking stops; outside a timed
    // step there is no marker to show.
    if (steady && !mBlink.gblnBlinkOn && !IsUntimedStep(mState.genmCurrentStep) &&
        glngCurrentDot > 0) {
        mBlink.gblnBlinkOn = true;
        mView.ShowMarker(glngCurrentDot, true);
    }
}

void SessionController::Exit() {
    StopTimer();
    mView.CloseWindow();
}

void SessionController::AddListener(SessionListener* listener) {
    if (listener && std::find(mListeners.begin(), mListeners.end(), listener) == mListeners.end()) {
        mListeners.push_back(listener);
    }
}

void SessionController::RemoveListener(SessionListener* listener) {
    mListeners.erase(std::remove(mListeners.begin(), mListeners.end(), listener), mListeners.end());
}

void SessionController::EndSession() {
    StopTimer();
    for (SessionListener* listener : mListeners) listener->SessionEnded();
}

void SessionController::NotifyStepEntered(Step left) {
    for (SessionListener* listener : mListeners) listener->StepEntered(left, mState);
}

bool SessionController::SetOwnWords(const QString& words) {
    const std::optional<QString> cleaned = CleanOwnWords(words);
    if (!cleaned) return false;
    mState.gstrOwnWords = *cleaned;
    return true;
}

void SessionController::TakeRatingOnLeaving(Step left) {
    if (left == estAssignSUD) {
        // A first rating begins the ratings of a new piece of work on an issue.
        mState.gintFirstSUD = mintSelectedSUD;
        mState.gintLaterSUDs.clear();
    } else if (left == estReassessSUD && mState.gintFirstSUD >= 0) {
        mState.gintLaterSUDs.append(mintSelectedSUD);
    }
}

void SessionController::radMode_Click(int optionIndex) {
    if (mblnBusy) return;
    mblnBusy = true;
    mState.genmSelectedIssue = IssueOptIndexToEnum(optionIndex);
    // An issue chosen in the list is worked on in place of any personal session chosen before.
    if (mState.gPersonal) ChoosePersonalSession(std::nullopt);
    mblnBusy = false;
}

void SessionController::ChoosePersonalSession(const std::optional<PersonalSession>& session) {
    mState.gPersonal = session;
    ApplyPace();
}

void SessionController::SetPace(const SessionPace& pace) {
    mPaceOptions = pace;
    ApplyPace();
}

void SessionController::ApplyPace() {
    mState.gPace = BoundedPace(
        EffectivePace(mPaceOptions, mState.gPersonal ? &*mState.gPersonal : nullptr));
    // The point being tapped takes the new length at once: a slower pace lets it run on, a
    // quicker one ends it on the next tick if its time is already up.
    if (IsTappingPoint(mState.genmCurrentStep)) {
        mState.glngStepLength = GetStepLength(mState.genmCurrentStep, mState.gPace);
    }
}

void SessionController::radSUD_Click(int index) {
    if (index >= 0 && index < SUD_OPTION_COUNT) mintSelectedSUD = static_cast<qint16>(index);
}

void SessionController::lblSUDUnit_Click(int index) {
    if (index < 0 || index >= SUD_OPTION_COUNT) return;
    mView.SelectSUDOption(index);
    mintSelectedSUD = static_cast<qint16>(index);
}

}  // namespace mindrova
