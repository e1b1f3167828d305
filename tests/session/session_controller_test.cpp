#include "session/session_controller.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/rounds.h"
#include "fixtures/fake_session_view.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/personal_sessions.h"
#include "fixtures/step_names.h"
#include "session/step_presentation.h"
#include "support/error_trap.h"

using namespace mindrova;
using mindrova::testing::FakeSessionView;
using mindrova::testing::ModalRecorder;
using mindrova::testing::ReportRecorder;
using mindrova::testing::StepIdName;

namespace {

class Session : public ::testing::Test {
protected:
    void SetUp() override {
        controller.StartSession();
        controller.Form_Activate();
    }

    // Ticks as the platform timer would deliver them: only while the step timer runs.
    void Tick(int count = 1) {
        for (int i = 0; i < count && view.timerEnabled; ++i) controller.tmrSteps_Timer();
    }
    Step Current() const { return controller.State().genmCurrentStep; }
    qint32 Round() const { return controller.State().glngRoundCount; }
    bool Positive() const { return controller.State().gblnPositiveSequence; }

    void NextTimes(int count) {
        for (int i = 0; i < count; ++i) controller.Next();
    }
    // Ticks until the given step is entered; fails the test after a whole round more.
    void TickUntil(Step step) {
        for (int i = 0; i < 16 * 200 + 1 && Current() != step; ++i) Tick();
        ASSERT_EQ(Current(), step);
    }
    void ReachNegativeRound() {
        NextTimes(4);       // intro -> select issue -> SUD -> thymus -> left hand
        controller.Next();  // -> explanation
        controller.Next();  // -> top head, round 1
    }
    void ReachPositiveRound() {
        ReachNegativeRound();
        controller.Next();  // -> relax
        controller.Next();  // -> top head, round 3
    }

    ModalRecorder modal;
    ReportRecorder reports;
    FakeSessionView view;
    SessionController controller{view};
};

TEST_F(Session, LoadShowsTheIntroWaitingForTheUser) {
    EXPECT_EQ(Current(), estIntro);
    EXPECT_EQ(view.displayed, QList<Step>{estIntro});
    EXPECT_FALSE(view.timerEnabled);
    EXPECT_FALSE(view.enabled[SessionControl::Pause]);
    EXPECT_FALSE(view.enabled[SessionControl::Previous]);
    EXPECT_FALSE(controller.PreviousEnabled());
    EXPECT_FALSE(controller.PauseAvailable());
    EXPECT_FALSE(view.visible[SessionControl::PauseBottom]);
    EXPECT_EQ(view.sudOption, 5);
    EXPECT_EQ(controller.SelectedSUD(), 5);
    EXPECT_EQ(view.issueOption, 5);
    EXPECT_EQ(controller.State().genmSelectedIssue, eisNegativeMemory);
    EXPECT_EQ(controller.State().glngElapsedSeconds, 0);
}

TEST(SessionBeforeActivation, CommandsDoNothing) {
    FakeSessionView view;
    SessionController controller{view};
    controller.StartSession();
    controller.Next();
    controller.cmdFinish_Click();
    EXPECT_EQ(controller.State().genmCurrentStep, estIntro);
    controller.Form_Activate();
    controller.Next();
    EXPECT_EQ(controller.State().genmCurrentStep, estSelectIssue);
}

TEST_F(Session, WholeSessionTickByTick) {
    controller.Next();
    EXPECT_EQ(Current(), estSelectIssue);
    EXPECT_TRUE(view.enabled[SessionControl::Previous]);
    controller.radMode_Click(3);
    EXPECT_EQ(controller.State().genmSelectedIssue, eisDepression);
    controller.Next();
    EXPECT_EQ(Current(), estAssignSUD);
    controller.radSUD_Click(8);
    EXPECT_EQ(controller.SelectedSUD(), 8);
    NextTimes(2);
    ASSERT_EQ(Current(), estLeftHand);
    EXPECT_TRUE(view.timerEnabled);
    EXPECT_TRUE(view.visible[SessionControl::PauseBottom]);

    // Karate-chop steps: 1000 ticks each, then the explanation waits.
    Tick(1000);
    EXPECT_EQ(Current(), estLeftHand);
    Tick(1);
    EXPECT_EQ(Current(), estRightHand);
    Tick(999);
    EXPECT_EQ(Current(), estRightHand);
    Tick(1);
    EXPECT_EQ(Current(), estExplainNegative);
    EXPECT_FALSE(view.timerEnabled);
    EXPECT_FALSE(view.enabled[SessionControl::Pause]);
    EXPECT_EQ(controller.State().glngElapsedSeconds, 20);
    EXPECT_EQ(view.shownSeconds, 20);

    controller.Next();
    ASSERT_EQ(Current(), estTopHead1);
    EXPECT_EQ(Round(), 1);
    EXPECT_FALSE(Positive());

    // Two negative rounds and the first point of the third, 200 ticks a point.
    const Step order[16] = {estTopHead1,   estLeftEyebrow,  estLeftEyeCorner,   estLeftUnderEye,
                            estUnderNose1, estChin1,        estLeftCollarbone,  estLeftUnderArm,
                            estTopHead2,   estRightEyebrow, estRightEyeCorner,  estRightUnderEye,
                            estUnderNose2, estChin2,        estRightCollarbone, estRightUnderArm};
    for (int point = 0; point < 32; ++point) {
        ASSERT_EQ(Current(), order[point % 16]) << "point " << point;
        EXPECT_EQ(Round(), 1 + point / 16);
        EXPECT_FALSE(Positive());
        Tick(199);
        ASSERT_EQ(Current(), order[point % 16]);
        Tick(1);
    }
    EXPECT_EQ(Current(), estTopHead1);
    EXPECT_EQ(Round(), 3);
    EXPECT_TRUE(Positive());
    EXPECT_TRUE(view.markersGreen);
}

TEST_F(Session, MarkerBlinksElevenTicksOnElevenOff) {
    ReachNegativeRound();
    Tick(201);  // into the second point, entered inside a tick
    ASSERT_EQ(Current(), estLeftEyebrow);
    QString pattern;
    pattern += view.markerVisible ? '1' : '0';  // the entering tick counts as tick 1
    for (int tick = 2; tick <= 44; ++tick) {
        Tick();
        pattern += view.markerVisible ? '1' : '0';
    }
    EXPECT_EQ(pattern, QString("11111111111000000000001111111111100000000000"));
}

// With steady markers every point of a round shows its marker from its first tick to its last,
// with one show a point, and the steps change on exactly the ticks a blinking session changes.
TEST_F(Session, SteadyMarkersStayShownForWholePointsOnTheSameTicks) {
    FakeSessionView blinkingView;
    SessionController blinking{blinkingView};
    blinking.StartSession();
    blinking.Form_Activate();
    controller.SetSteadyMarkers(true);
    for (SessionController* c : {&controller, &blinking}) {
        for (int i = 0; i < 6; ++i) c->Next();  // to round 1's first point
    }
    ASSERT_EQ(Current(), estTopHead1);
    int hiddenTicks = 0;
    int blinkingHiddenTicks = 0;
    for (int point = 0; point < 16; ++point) {
        const Step step = Current();
        SCOPED_TRACE(StepIdName(step));
        const int showsBefore = view.markerShownChanges;
        for (int tick = 0; tick < 200; ++tick) {
            Tick();
            blinking.tmrSteps_Timer();
            ASSERT_EQ(blinking.State().genmCurrentStep, Current()) << "tick " << tick;
            if (Current() == step && !view.markerVisible) ++hiddenTicks;
            if (!blinkingView.markerVisible) ++blinkingHiddenTicks;
        }
        EXPECT_EQ(view.markerShownChanges - showsBefore, 1) << "one show, never a hide";
    }
    EXPECT_EQ(hiddenTicks, 0);
    EXPECT_GT(blinkingHiddenTicks, 16 * 80) << "without the option the markers still blink";
}

TEST_F(Session, SteadyMarkersSwitchedMidPoint) {
    ReachNegativeRound();
    Tick(15);  // hidden in the first blink's off phase
    ASSERT_FALSE(view.markerVisible);
    controller.SetSteadyMarkers(true);
    EXPECT_TRUE(view.markerVisible) << "shown at once, not at the next point";
    EXPECT_EQ(view.markerIndex, 4);
    Tick(50);
    EXPECT_TRUE(view.markerVisible);
    controller.SetSteadyMarkers(false);
    QString pattern;
    for (int tick = 0; tick < 23; ++tick) {
        Tick();
        pattern += view.markerVisible ? '1' : '0';
    }
    EXPECT_EQ(pattern.count('0'), 11) << "blinking again: " << pattern.toStdString();

    // Outside a timed step there is no marker to show.
    controller.Next();
    ASSERT_EQ(Current(), estRelax);
    const int shows = view.markerShownChanges;
    controller.SetSteadyMarkers(true);
    EXPECT_EQ(view.markerShownChanges, shows);
    EXPECT_FALSE(view.markerVisible);
}

TEST_F(Session, MarkerColoursAcrossTheSession) {
    // Red at load, green on the karate chop, red again on round 1, green from round 3 on.
    EXPECT_FALSE(view.markersGreen);
    NextTimes(4);
    ASSERT_EQ(Current(), estLeftHand);
    EXPECT_TRUE(view.markersGreen);
    NextTimes(2);
    ASSERT_EQ(Current(), estTopHead1);
    EXPECT_FALSE(view.markersGreen) << "round 1 repaints red although the polarity stayed";
    TickUntil(estLeftEyebrow);
    TickUntil(estTopHead1);  // round 2: no repaint
    EXPECT_EQ(Round(), 2);
    EXPECT_FALSE(view.markersGreen);
    const int paintsBefore = view.paints;
    TickUntil(estLeftEyebrow);
    TickUntil(estTopHead1);  // round 3
    EXPECT_TRUE(view.markersGreen);
    EXPECT_EQ(view.paints, paintsBefore + 1) << "one repaint, on the change of polarity";

    controller.cmdFinish_Click();
    EXPECT_TRUE(view.markersGreen) << "Finish clears the flag without repainting";
    EXPECT_FALSE(Positive());
    NextTimes(5);  // intro, select issue, SUD, thymus, left hand
    ASSERT_EQ(Current(), estLeftHand);
    EXPECT_TRUE(view.markersGreen);
    NextTimes(2);
    ASSERT_EQ(Current(), estTopHead1);
    EXPECT_FALSE(view.markersGreen) << "red again in the new session's round 1";
}

TEST_F(Session, EachTimedStepBlinksItsOwnMarker) {
    const std::pair<Step, qint32> round[] = {
        {estTopHead1, 4},   {estLeftEyebrow, 5},   {estLeftEyeCorner, 6},    {estLeftUnderEye, 7},
        {estUnderNose1, 8}, {estChin1, 9},         {estLeftCollarbone, 10},  {estLeftUnderArm, 11},
        {estTopHead2, 4},   {estRightEyebrow, 16}, {estRightEyeCorner, 12},  {estRightUnderEye, 13},
        {estUnderNose2, 8}, {estChin2, 9},         {estRightCollarbone, 14}, {estRightUnderArm, 15},
    };
    NextTimes(4);
    ASSERT_EQ(Current(), estLeftHand);
    Tick();
    EXPECT_EQ(controller.CurrentDot(), 2);
    EXPECT_EQ(view.markerIndex, 2);
    TickUntil(estRightHand);
    EXPECT_EQ(view.markerIndex, 3);
    EXPECT_TRUE(view.markerVisible) << "a step entered inside a tick shows its marker at once";
    NextTimes(2);
    for (const auto& [step, marker] : round) {
        SCOPED_TRACE(StepIdName(step));
        ASSERT_EQ(Current(), step);
        Tick();
        EXPECT_EQ(controller.CurrentDot(), marker);
        EXPECT_EQ(view.markerIndex, marker);
        EXPECT_TRUE(view.markerVisible);
        Tick(199);
    }
    controller.Next();
    ASSERT_EQ(Current(), estRelax);
    EXPECT_EQ(controller.CurrentDot(), -1);
    EXPECT_FALSE(view.markerVisible) << "showing a step hides every marker";
}

// A fresh session driven to one row's step; Next or Previous is then issued from there.
struct LandingSession {
    ModalRecorder modal;
    FakeSessionView view;
    SessionController controller{view};
    explicit LandingSession(const SessionPace& pace = {}) {
        controller.SetPace(pace);
        controller.StartSession();
        controller.Form_Activate();
    }
    void Ticks(int n) {
        for (int i = 0; i < n && view.timerEnabled; ++i) controller.tmrSteps_Timer();
    }
    void Nexts(int n) {
        for (int i = 0; i < n; ++i) controller.Next();
    }
    void ToNegativePoint() {
        Nexts(6);
        Ticks(600);  // fourth point of round 1
    }
    void ToPositivePoint() {
        ToNegativePoint();
        Nexts(2);
        Ticks(1000);
    }
};

struct LandingRow {
    const char* name;  // letters, digits and underscores: it names the test
    std::function<void(LandingSession&)> reach;
    Step next;
    qint32 nextRound;  // -1: not checked
    Step previous;
    qint32 previousRound;
};

// Shown by gtest when a row fails.
void PrintTo(const LandingRow& row, std::ostream* out) {
    *out << row.name;
}

std::vector<LandingRow> LandingRows() {
    auto nexts = [](int n) { return [n](LandingSession& s) { s.Nexts(n); }; };
    return {
        {"intro", nexts(0), estSelectIssue, -1, estIntro, -1},
        {"select_issue", nexts(1), estAssignSUD, -1, estIntro, -1},
        {"assign_SUD", nexts(2), estStimulateThymus, -1, estSelectIssue, -1},
        {"thymus", nexts(3), estLeftHand, -1, estAssignSUD, -1},
        {"left_hand", nexts(4), estExplainNegative, -1, estStimulateThymus, 0},
        {"right_hand",
         [](LandingSession& s) {
             s.Nexts(4);
             s.Ticks(1001);
         },
         estExplainNegative, -1, estStimulateThymus, 0},
        {"negative_point", [](LandingSession& s) { s.ToNegativePoint(); }, estRelax, 2,
         estExplainNegative, 0},
        {"positive_point", [](LandingSession& s) { s.ToPositivePoint(); }, estReassessSUD, 3,
         estRelax, 2},
        {"relax",
         [](LandingSession& s) {
             s.ToNegativePoint();
             s.Nexts(1);
         },
         estTopHead1, 3, estTopHead1, 1},
        {"reassess",
         [](LandingSession& s) {
             s.ToPositivePoint();
             s.Nexts(1);
         },
         estTopHead1, 4, estRelax, 2},
        {"finish",
         [](LandingSession& s) {
             s.Nexts(3);
             s.controller.cmdFinish_Click();
         },
         estIntro, 0, estSelectIssue, 0},
        {"explanation", nexts(5), estTopHead1, 1, estLeftHand, 0},
    };
}

// Each row of the table of where the commands land, once with Next and once with Previous.
class WhereCommandsLand : public ::testing::TestWithParam<std::tuple<LandingRow, bool>> {};

void ExpectLanding(const LandingRow& row, bool forward, const SessionPace& pace) {
    LandingSession s(pace);
    row.reach(s);
    const Step before = s.controller.State().genmCurrentStep;
    forward ? s.controller.Next() : s.controller.Previous();
    const Step expected = forward ? row.next : row.previous;
    const qint32 round = forward ? row.nextRound : row.previousRound;
    EXPECT_EQ(s.controller.State().genmCurrentStep, expected)
        << "from " << StepIdName(before) << " to " << StepIdName(expected) << " expected";
    if (round >= 0) {
        EXPECT_EQ(s.controller.State().glngRoundCount, round);
    }
    if (!forward) {
        EXPECT_FALSE(s.controller.State().gblnPositiveSequence);
    }
    const bool timed = !IsUntimedStep(expected);
    EXPECT_EQ(s.view.timerEnabled, timed);
    EXPECT_EQ(s.view.enabled[SessionControl::Pause], timed);
    EXPECT_EQ(s.controller.PauseAvailable(), timed);
    EXPECT_FALSE(s.view.visible[SessionControl::Resume]);
    EXPECT_FALSE(s.controller.Paused());
    EXPECT_TRUE(s.modal.messages.isEmpty());
}

// A row's name, and which command it issues.
std::string LandingName(const ::testing::TestParamInfo<std::tuple<LandingRow, bool>>& info) {
    return std::string(std::get<0>(info.param).name) +
           (std::get<1>(info.param) ? "_Next" : "_Previous");
}

TEST_P(WhereCommandsLand, FromRow) {
    const auto& [row, forward] = GetParam();
    ExpectLanding(row, forward, SessionPace{});
}

INSTANTIATE_TEST_SUITE_P(EveryRow, WhereCommandsLand,
                         ::testing::Combine(::testing::ValuesIn(LandingRows()), ::testing::Bool()),
                         LandingName);

// With one side a round, the commands land where they land with full rounds, from the left
// side and from the right side alike.
std::vector<LandingRow> OneSideLandingRows() {
    std::vector<LandingRow> rows = LandingRows();
    rows.push_back({"right_side_negative_point",
                    [](LandingSession& s) {
                        s.Nexts(6);
                        s.Ticks(8 * 200 + 300);  // the right side's second point, round 2
                        ASSERT_EQ(s.controller.State().genmCurrentStep, estRightEyebrow);
                        ASSERT_EQ(s.controller.State().glngRoundCount, 2);
                    },
                    estRelax, 2, estExplainNegative, 0});
    rows.push_back({"right_side_positive_point",
                    [](LandingSession& s) {
                        s.Nexts(8);
                        s.Ticks(8 * 200 + 900);  // round 4, the right side's Under Nose
                        ASSERT_EQ(s.controller.State().genmCurrentStep, estUnderNose2);
                        ASSERT_EQ(s.controller.State().glngRoundCount, 4);
                    },
                    estReassessSUD, 4, estRelax, 2});
    return rows;
}

class WhereOneSideCommandsLand : public ::testing::TestWithParam<std::tuple<LandingRow, bool>> {};

TEST_P(WhereOneSideCommandsLand, FromRow) {
    const auto& [row, forward] = GetParam();
    ExpectLanding(row, forward, SessionPace{2, RoundKind::OneSide});
}

INSTANTIATE_TEST_SUITE_P(EveryRow, WhereOneSideCommandsLand,
                         ::testing::Combine(::testing::ValuesIn(OneSideLandingRows()),
                                            ::testing::Bool()),
                         LandingName);

TEST_F(Session, PreviousFromTheFirstStepsAndTheButtonState) {
    controller.Previous();
    EXPECT_EQ(Current(), estIntro);
    EXPECT_EQ(view.displayed.size(), 1) << "Previous on the intro changes nothing";
    controller.Next();
    EXPECT_TRUE(view.enabled[SessionControl::Previous]);
    EXPECT_TRUE(controller.PreviousEnabled());
    controller.Previous();
    EXPECT_EQ(Current(), estIntro);
    EXPECT_FALSE(view.enabled[SessionControl::Previous]);
    EXPECT_FALSE(controller.PreviousEnabled());
}

TEST_F(Session, PauseFreezesTickAndBlinkThenResumeOrNextGoesOn) {
    ReachNegativeRound();
    Tick(30);
    const bool markerBefore = view.markerVisible;
    const BlinkState blinkBefore = controller.Blinking();
    controller.Pause();
    EXPECT_TRUE(controller.Paused());
    EXPECT_FALSE(controller.PauseAvailable());
    EXPECT_FALSE(view.timerEnabled);
    EXPECT_TRUE(view.paused());
    EXPECT_FALSE(view.visible[SessionControl::Pause]);
    // Ticks that were already on their way when the timer stopped still arrive.
    const SessionState before = controller.State();
    const int timeUpdatesBefore = view.timeUpdates;
    for (int i = 0; i < 500; ++i) controller.tmrSteps_Timer();
    EXPECT_EQ(Current(), estTopHead1);
    EXPECT_EQ(controller.State().glngMilliseconds, before.glngMilliseconds);
    EXPECT_EQ(controller.State().glngSecondsInStep, before.glngSecondsInStep);
    EXPECT_EQ(controller.State().glngElapsedSeconds, before.glngElapsedSeconds);
    EXPECT_EQ(view.timeUpdates, timeUpdatesBefore);
    EXPECT_EQ(view.markerVisible, markerBefore);
    EXPECT_EQ(controller.Blinking().glngBlinkCounter, blinkBefore.glngBlinkCounter);
    EXPECT_EQ(controller.Blinking().glngBlinkSum, blinkBefore.glngBlinkSum);
    EXPECT_EQ(controller.Blinking().gblnBlinkOn, blinkBefore.gblnBlinkOn);
    EXPECT_FALSE(view.timerEnabled);

    controller.Resume();
    EXPECT_FALSE(controller.Paused());
    EXPECT_TRUE(controller.PauseAvailable());
    EXPECT_TRUE(view.timerEnabled);
    EXPECT_TRUE(view.visible[SessionControl::Pause]);
    EXPECT_TRUE(view.enabled[SessionControl::Pause]);
    EXPECT_FALSE(view.paused());
    Tick(170);
    EXPECT_EQ(Current(), estTopHead1);
    Tick(1);
    EXPECT_EQ(Current(), estLeftEyebrow);

    controller.Pause();
    controller.Next();  // a step change ends the pause
    EXPECT_EQ(Current(), estRelax);
    EXPECT_FALSE(view.paused());
    EXPECT_FALSE(controller.Paused());
    EXPECT_FALSE(controller.PauseAvailable()) << "the relaxation waits: nothing to pause";
    EXPECT_TRUE(view.visible[SessionControl::Pause]);
}

// A dialog over the session holds the step timer; the controller alone says when it runs
// again. Commands: H hold, R release, P pause, S resume, N next.
struct TimerHoldCase {
    const char* name;
    bool fromRound;  // else from the intro, which waits for the user
    const char* commands;
    bool runsAfter;
    friend void PrintTo(const TimerHoldCase& c, std::ostream* out) { *out << c.name; }
};

class TimerHolds : public Session, public ::testing::WithParamInterface<TimerHoldCase> {};

TEST_P(TimerHolds, TheTimerRunsExactlyWhenTheSessionWantsItAndNothingHolds) {
    const TimerHoldCase& row = GetParam();
    if (row.fromRound) {
        ReachNegativeRound();
        Tick(30);
    }
    for (const char* c = row.commands; *c != '\0'; ++c) {
        switch (*c) {
            case 'H':
                controller.HoldStepTimer();
                break;
            case 'R':
                controller.ReleaseStepTimer();
                break;
            case 'P':
                controller.Pause();
                break;
            case 'S':
                controller.Resume();
                break;
            case 'N':
                controller.Next();
                break;
            default:
                FAIL() << "unknown command " << *c;
        }
        if (!controller.StepTimerHeld()) continue;
        EXPECT_FALSE(view.timerEnabled) << "held after " << *c;
        // A tick already on its way when the hold began moves nothing.
        const SessionState before = controller.State();
        const BlinkState blink = controller.Blinking();
        controller.tmrSteps_Timer();
        EXPECT_EQ(controller.State().genmCurrentStep, before.genmCurrentStep);
        EXPECT_EQ(controller.State().glngMilliseconds, before.glngMilliseconds);
        EXPECT_EQ(controller.Blinking().glngBlinkCounter, blink.glngBlinkCounter);
    }
    EXPECT_EQ(view.timerEnabled, row.runsAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TimerHolds,
    ::testing::Values(TimerHoldCase{"RoundHeldThenReleasedRunsAgain", true, "HR", true},
                      TimerHoldCase{"IntroHeldThenReleasedStillWaits", false, "HR", false},
                      TimerHoldCase{"NestedHoldsRunOnlyAfterTheLastRelease", true, "HHR", false},
                      TimerHoldCase{"NestedHoldsBothReleased", true, "HHRR", true},
                      TimerHoldCase{"PausedWhileHeldStaysPaused", true, "HPR", false},
                      TimerHoldCase{"ResumedWhileHeldRunsOnRelease", true, "PHSR", true},
                      TimerHoldCase{"TimedStepEnteredWhileHeldRunsOnRelease", false, "NNNHNR",
                                    true},
                      TimerHoldCase{"UntimedStepEnteredWhileHeldWaits", true, "HNR", false},
                      TimerHoldCase{"ReleaseWithoutHoldChangesNothing", true, "RR", true},
                      TimerHoldCase{"ExtraReleaseDoesNotCancelTheNextHold", true, "RHPS", false}),
    [](const ::testing::TestParamInfo<TimerHoldCase>& info) { return info.param.name; });

TEST_F(Session, NextInMidSecondKeepsTheMillisecondCount) {
    ReachNegativeRound();
    Tick(150);  // 1.5 s into the first point
    EXPECT_EQ(view.shownSeconds, 1);
    controller.Next();
    controller.Next();
    ASSERT_EQ(Current(), estTopHead1);
    Tick(49);
    EXPECT_EQ(view.shownSeconds, 1);
    Tick(1);
    EXPECT_EQ(view.shownSeconds, 2);
    EXPECT_EQ(controller.State().glngSecondsInStep, 1);
}

TEST_F(Session, FinishFromAnyKindOfStep) {
    for (int ticks : {0, 500, 3000}) {
        FakeSessionView v;
        SessionController c{v};
        c.StartSession();
        c.Form_Activate();
        for (int i = 0; i < 4; ++i) c.Next();
        for (int i = 0; i < ticks && v.timerEnabled; ++i) c.tmrSteps_Timer();
        c.cmdFinish_Click();
        EXPECT_EQ(c.State().genmCurrentStep, estFinish);
        EXPECT_FALSE(v.timerEnabled);
        EXPECT_EQ(c.State().glngRoundCount, 0);
        EXPECT_FALSE(c.State().gblnPositiveSequence);
        EXPECT_EQ(v.displayed.back(), estFinish);
        c.Next();
        EXPECT_EQ(c.State().genmCurrentStep, estIntro);
        EXPECT_EQ(c.State().genmSelectedIssue, eisNegativeMemory);
    }
}

TEST_F(Session, ExitStopsTheTimerAndClosesTheWindow) {
    ReachNegativeRound();
    controller.Exit();
    EXPECT_FALSE(view.timerEnabled);
    EXPECT_TRUE(view.closed);
}

TEST_F(Session, SudCaptionSelectsItsOption) {
    controller.lblSUDUnit_Click(9);
    EXPECT_EQ(view.sudOption, 9);
    EXPECT_EQ(controller.SelectedSUD(), 9);
    controller.lblSUDUnit_Click(11);
    controller.radSUD_Click(-1);
    EXPECT_EQ(controller.SelectedSUD(), 9) << "odd indexes are ignored";
}

TEST_F(Session, IssueSelectionIgnoredWhileACommandRuns) {
    view.onDisplayStep = [this](Step) { controller.radMode_Click(1); };
    controller.Next();
    EXPECT_EQ(controller.State().genmSelectedIssue, eisNegativeMemory);
    view.onDisplayStep = nullptr;
    controller.radMode_Click(1);
    EXPECT_EQ(controller.State().genmSelectedIssue, eisAddictionsObsessions);
    controller.radMode_Click(99);
    EXPECT_EQ(controller.State().genmSelectedIssue, eisNone);
}

TEST_F(Session, YieldInsideTheTickRunsCommandsButNoSecondTick) {
    ReachNegativeRound();
    int nestedTicks = 0;
    view.onUpdateTimeElapsed = [&](qint32) {
        const qint32 millisecondsBefore = controller.State().glngMilliseconds;
        const qint32 blinkSumBefore = controller.Blinking().glngBlinkSum;
        controller.tmrSteps_Timer();  // a second tick must not run inside the first
        if (controller.State().glngMilliseconds != millisecondsBefore ||
            controller.Blinking().glngBlinkSum != blinkSumBefore) {
            ++nestedTicks;
        }
        controller.Next();  // commands may run nested
    };
    Tick(100);
    EXPECT_EQ(nestedTicks, 0);
    EXPECT_EQ(Current(), estRelax);
    EXPECT_FALSE(controller.Busy());
}

TEST_F(Session, FailureInAStepChangeIsReportedWithItsCheckpoint) {
    ReachNegativeRound();
    view.onDisplayStep = [](Step) { throw Fault(91, "marker missing"); };
    Tick(201);  // the step change fails while displaying the next point
    ASSERT_EQ(reports.reports.size(), 1);
    const ErrorRecord& r = reports.reports[0];
    EXPECT_EQ(r.plngErrNum, 91);
    EXPECT_EQ(r.pstrErrDesc, "marker missing");
    EXPECT_EQ(r.pstrModuleName, "frmMain");
    EXPECT_EQ(r.pstrProcName, "ProcessSteps");
    EXPECT_EQ(r.pstrExtraDesc, "Line: 80");
    EXPECT_EQ(r.pstrProgVer, "2.0");
    EXPECT_EQ(r.plngBuildNum, 201);
    EXPECT_FALSE(view.timerEnabled) << "a session trap stops the step timer";

    // The session stays usable: the next command starts the timer again.
    view.onDisplayStep = nullptr;
    controller.Next();
    EXPECT_EQ(Current(), estRelax);
    controller.Next();
    EXPECT_TRUE(view.timerEnabled);
    EXPECT_FALSE(controller.Busy());
}

TEST_F(Session, FailureInTheTickAndInCommands) {
    ReachNegativeRound();
    view.onUpdateTimeElapsed = [](qint32) { throw std::out_of_range("label"); };
    Tick(100);
    ASSERT_EQ(reports.reports.size(), 1);
    EXPECT_EQ(reports.reports[0].pstrProcName, "tmrSteps_Timer");
    EXPECT_EQ(reports.reports[0].pstrExtraDesc, "Line: 60");
    EXPECT_EQ(reports.reports[0].plngErrNum, 9);
    EXPECT_FALSE(view.timerEnabled);

    view.onUpdateTimeElapsed = nullptr;
    view.onDisplayStep = [](Step) { throw std::runtime_error("finish\nsecond line"); };
    controller.cmdFinish_Click();
    ASSERT_EQ(reports.reports.size(), 2);
    EXPECT_EQ(reports.reports[1].pstrProcName, "cmdFinish_Click");
    EXPECT_EQ(reports.reports[1].pstrExtraDesc, "Line: 0");
    EXPECT_EQ(reports.reports[1].pstrErrDesc, "finish");
    EXPECT_FALSE(controller.Busy());
    controller.Previous();  // Next/Previous still run after a failed command
    EXPECT_EQ(Current(), estSelectIssue);
    EXPECT_EQ(reports.reports.size(), 3) << "the failing display reports again, from ProcessSteps";
}

}  // namespace

namespace {

using namespace mindrova;

struct RecordingListener : SessionListener {
    QList<QPair<Step, Step>> entered;  // (left, entered)
    int paused = 0;
    int resumed = 0;
    int ended = 0;
    void StepEntered(Step left, const SessionState& state) override {
        entered.append({left, state.genmCurrentStep});
    }
    void Paused() override { ++paused; }
    void Resumed() override { ++resumed; }
    void SessionEnded() override { ++ended; }
};

TEST_F(Session, ListenersHearStepChangesPauseResumeAndTheEnd) {
    RecordingListener listener;
    controller.AddListener(&listener);
    controller.AddListener(&listener);  // added once only
    controller.Next();
    ASSERT_EQ(listener.entered.size(), 1);
    EXPECT_EQ(listener.entered[0], qMakePair(estIntro, estSelectIssue));

    NextTimes(5);  // on to the first point of round 1
    ASSERT_EQ(Current(), estTopHead1);
    const qsizetype before = listener.entered.size();
    TickUntil(GetNextStep(estTopHead1));  // two seconds on: the next point
    ASSERT_EQ(listener.entered.size(), before + 1);
    EXPECT_EQ(listener.entered.back(), qMakePair(estTopHead1, GetNextStep(estTopHead1)));

    controller.Pause();
    controller.Resume();
    EXPECT_EQ(listener.paused, 1);
    EXPECT_EQ(listener.resumed, 1);

    controller.cmdFinish_Click();
    EXPECT_EQ(listener.entered.back().second, estFinish);
    controller.EndSession();
    EXPECT_EQ(listener.ended, 1);

    controller.RemoveListener(&listener);
    controller.Previous();
    EXPECT_EQ(listener.entered.back().second, estFinish) << "a removed listener hears nothing";
}

TEST_F(Session, RatingsAreTakenAsTheSessionMovesOnFromTheRatingSteps) {
    NextTimes(2);
    ASSERT_EQ(Current(), estAssignSUD);
    controller.radSUD_Click(8);
    EXPECT_EQ(controller.State().gintFirstSUD, -1) << "nothing kept before moving on";
    controller.Next();
    EXPECT_EQ(controller.State().gintFirstSUD, 8);
    NextTimes(6);  // hand, explanation, round 1, relax, round 3, reassess
    ASSERT_EQ(Current(), estReassessSUD);
    EXPECT_TRUE(controller.State().gintLaterSUDs.isEmpty());
    controller.radSUD_Click(5);
    controller.Previous();  // going back is not a rating
    EXPECT_TRUE(controller.State().gintLaterSUDs.isEmpty());
    ASSERT_EQ(Current(), estRelax);
    NextTimes(2);
    ASSERT_EQ(Current(), estReassessSUD);
    controller.Next();  // on tapping: the rating is kept
    EXPECT_EQ(controller.State().gintLaterSUDs, (QList<qint16>{5}));
    controller.Next();
    ASSERT_EQ(Current(), estReassessSUD);
    controller.radSUD_Click(2);
    controller.cmdFinish_Click();
    EXPECT_EQ(Current(), estFinish);
    EXPECT_EQ(controller.State().gintFirstSUD, 8);
    EXPECT_EQ(controller.State().gintLaterSUDs, (QList<qint16>{5, 2}));

    // Back to the start and on from Assign SUD again: a new first rating, no later ones.
    controller.Previous();
    ASSERT_EQ(Current(), estSelectIssue);
    controller.Next();
    ASSERT_EQ(Current(), estAssignSUD);
    controller.lblSUDUnit_Click(3);
    controller.Next();
    EXPECT_EQ(controller.State().gintFirstSUD, 3);
    EXPECT_TRUE(controller.State().gintLaterSUDs.isEmpty());
}

TEST_F(Session, OwnWordsAreKeptCleanedAndRefusedWordsChangeNothing) {
    EXPECT_TRUE(controller.State().gstrOwnWords.isEmpty());
    EXPECT_TRUE(controller.SetOwnWords(QStringLiteral("  the dog next door ")));
    EXPECT_EQ(controller.State().gstrOwnWords, QStringLiteral("the dog next door"));
    EXPECT_FALSE(controller.SetOwnWords(QStringLiteral("two\nlines")));
    EXPECT_FALSE(controller.SetOwnWords(QString(121, QLatin1Char('a'))));
    EXPECT_EQ(controller.State().gstrOwnWords, QStringLiteral("the dog next door"));
    EXPECT_TRUE(controller.SetOwnWords(QString()));
    EXPECT_TRUE(controller.State().gstrOwnWords.isEmpty());
}

}  // namespace

namespace {

using namespace mindrova;
using mindrova::testing::MakePersonalSession;

// The points in the order the timer visits them, from the first Top Head.
constexpr Step kRoundOrder[16] = {
    estTopHead1,   estLeftEyebrow,  estLeftEyeCorner,   estLeftUnderEye,
    estUnderNose1, estChin1,        estLeftCollarbone,  estLeftUnderArm,
    estTopHead2,   estRightEyebrow, estRightEyeCorner,  estRightUnderEye,
    estUnderNose2, estChin2,        estRightCollarbone, estRightUnderArm};

// The blink from a point's first tick: shown eleven ticks, hidden eleven, whatever its length.
bool BlinkShownOnTick(int tickOfPoint) {
    return ((tickOfPoint - 1) / 11) % 2 == 0;
}

struct PaceCase {
    const char* name;
    SessionPace options;
    std::optional<PersonalSession> personal;
    int seconds;  // each point's length
    RoundKind round;
    friend void PrintTo(const PaceCase& c, std::ostream* out) { *out << c.name; }
};

class PacedSession : public Session, public ::testing::WithParamInterface<PaceCase> {};

TEST_P(PacedSession, EveryPointLastsThePaceBlinksInItsRhythmAndRoundsCountAsTheyBegin) {
    const PaceCase& c = GetParam();
    controller.SetPace(c.options);
    controller.Next();
    if (c.personal) controller.ChoosePersonalSession(c.personal);
    NextTimes(3);
    ASSERT_EQ(Current(), estLeftHand);
    EXPECT_EQ(controller.CurrentPace(), (SessionPace{c.seconds, c.round}));
    // The karate chop keeps its ten seconds a hand.
    Tick(1000);
    EXPECT_EQ(Current(), estLeftHand);
    Tick(1000);
    EXPECT_EQ(Current(), estRightHand);
    Tick(1);
    ASSERT_EQ(Current(), estExplainNegative);
    controller.Next();

    const int perRound = c.round == RoundKind::OneSide ? 8 : 16;
    const int ticks = c.seconds * 100;
    for (int point = 0; point < 2 * perRound + 2; ++point) {
        SCOPED_TRACE(::testing::Message() << "point " << point);
        int blinkMisses = 0;
        // The tick that ended the karate chop began the clock's second: the first point ends
        // with it, one tick early.
        const int pointTicks = point == 0 ? ticks - 1 : ticks;
        for (int tick = 1; tick <= pointTicks; ++tick) {
            Tick();
            ASSERT_EQ(Current(), kRoundOrder[point % 16]) << "tick " << tick;
            if (view.markerVisible != BlinkShownOnTick(tick)) ++blinkMisses;
            // A pause in mid-point holds its time: the point still ends on its own tick.
            if (point == perRound + 1 && tick == ticks / 2) {
                controller.Pause();
                for (int i = 0; i < 300; ++i) controller.tmrSteps_Timer();
                controller.Resume();
            }
        }
        EXPECT_EQ(blinkMisses, 0);
        EXPECT_EQ(view.markerIndex, GetStepDotIndex(kRoundOrder[point % 16]));
        EXPECT_EQ(Round(), 1 + point / perRound);
        EXPECT_EQ(Positive(), Round() > 2);
        EXPECT_EQ(view.markersGreen, Positive());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paces, PacedSession,
    ::testing::Values(PaceCase{"DefaultsAsBefore", {}, std::nullopt, 2, RoundKind::Full},
                      PaceCase{"OneSecond", {1, RoundKind::Full}, std::nullopt, 1, RoundKind::Full},
                      PaceCase{
                          "TenSeconds", {10, RoundKind::Full}, std::nullopt, 10, RoundKind::Full},
                      PaceCase{"OneSideAtTheDefaultSeconds",
                               {2, RoundKind::OneSide},
                               std::nullopt,
                               2,
                               RoundKind::OneSide},
                      PaceCase{"PersonalPaceWinsOverTheOptions",
                               {10, RoundKind::Full},
                               MakePersonalSession(3, 3, 1, RoundKind::OneSide),
                               1,
                               RoundKind::OneSide},
                      PaceCase{"PersonalWithoutPaceTakesTheOptions",
                               {5, RoundKind::OneSide},
                               MakePersonalSession(3, 3),
                               5,
                               RoundKind::OneSide},
                      PaceCase{"OptionsOutOfRangeAreBounded",
                               {25, RoundKind::Full},
                               std::nullopt,
                               10,
                               RoundKind::Full}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Session, APaceChosenInMidPointReachesThatPointAtOnce) {
    ReachNegativeRound();
    Tick(150);
    controller.SetPace({10, RoundKind::Full});
    EXPECT_EQ(controller.State().glngStepLength, 10);
    Tick(1000 - 150);
    EXPECT_EQ(Current(), estTopHead1) << "the slower pace lets the point run on";
    Tick(1);
    ASSERT_EQ(Current(), estLeftEyebrow);
    Tick(450);
    controller.SetPace({1, RoundKind::Full});
    Tick(1);
    EXPECT_EQ(Current(), estLeftEyeCorner) << "four seconds are past one already";
    // The clock's second runs on across the change, as it does across Next: the point ends
    // with it, and the next one lasts the whole second.
    Tick(48);  // from 520 ms to the second's end
    EXPECT_EQ(Current(), estLeftEyeCorner);
    Tick(1);
    EXPECT_EQ(Current(), estLeftUnderEye);
    Tick(99);
    EXPECT_EQ(Current(), estLeftUnderEye);
    Tick(1);
    EXPECT_EQ(Current(), estUnderNose1);

    // A personal session's own pace holds while it is chosen, the options' after.
    controller.ChoosePersonalSession(MakePersonalSession(1, 1, 4));
    EXPECT_EQ(controller.State().glngStepLength, 4);
    controller.ChoosePersonalSession(std::nullopt);
    EXPECT_EQ(controller.State().glngStepLength, 1);
    EXPECT_EQ(controller.Pace(), (SessionPace{1, RoundKind::Full}));
    controller.Next();
    ASSERT_EQ(Current(), estRelax);
    controller.SetPace({7, RoundKind::Full});
    EXPECT_EQ(controller.State().glngStepLength, 0) << "a waiting step keeps waiting";
}

TEST_F(Session, ChoosingNoPersonalSessionReturnsToTheSelectedIssueAndItsPace) {
    SessionState before = controller.State();
    controller.Next();
    controller.radMode_Click(IssueEnumToOptIndex(eisPTSD));
    ASSERT_TRUE(controller.SetOwnWords(QStringLiteral("the crash")));
    before = controller.State();
    controller.ChoosePersonalSession(MakePersonalSession(2, 2, 9, RoundKind::OneSide));
    controller.ChoosePersonalSession(std::nullopt);
    const SessionState& after = controller.State();
    EXPECT_FALSE(after.gPersonal.has_value());
    EXPECT_EQ(after.gPace, SessionPace{});
    EXPECT_EQ(after.genmSelectedIssue, eisPTSD);
    EXPECT_EQ(after.gstrOwnWords, QStringLiteral("the crash"));
    for (const Step step : {estLeftHand, estTopHead1, estRightUnderArm}) {
        SCOPED_TRACE(StepIdName(step));
        EXPECT_EQ(StepInstructionsText(step, after), StepInstructionsText(step, before));
    }
}

TEST_F(Session, ChoosingAnIssueInTheListDropsThePersonalSession) {
    controller.Next();
    controller.ChoosePersonalSession(MakePersonalSession(1, 1, 6));
    ASSERT_EQ(controller.CurrentPace().secondsPerPoint, 6);
    controller.radMode_Click(IssueEnumToOptIndex(eisGuilt));
    EXPECT_FALSE(controller.ChosenPersonalSession().has_value());
    EXPECT_EQ(controller.State().genmSelectedIssue, eisGuilt);
    EXPECT_EQ(controller.CurrentPace(), SessionPace{});
}

// A seeded stream of commands, ticks, paces and personal sessions chosen and dropped, both kinds
// of round among them. The test keeps its own clock: on every tick the step must change exactly
// when the seconds of the step reach the pace's length, to the step the table gives, counting a
// round where the pace's kind of round begins one, and every point's marker blinks in rhythm.
TEST(SeededRandomPace, StepsAndTicksFollowTheChosenPaceToTheTick) {
    ModalRecorder modal;
    FakeSessionView view;
    SessionController controller{view};
    controller.StartSession();
    controller.Form_Activate();
    QRandomGenerator random(20261209);

    SessionPace options;
    std::optional<PersonalSession> personal;
    const auto pace = [&] {
        return BoundedPace(EffectivePace(options, personal ? &*personal : nullptr));
    };
    const auto randomPace = [&] {
        return SessionPace{static_cast<int>(random.bounded(-1, 13)),
                           random.bounded(2) ? RoundKind::OneSide : RoundKind::Full};
    };
    const SessionState& state = controller.State();
    // The test's own clock and count, set from the controller only after a command.
    qint32 milliseconds = 0;
    qint32 secondsInStep = 0;
    qint32 length = 0;
    qint32 rounds = 0;
    int blinks = 0;
    int stepsByTick = 0;
    int oneSideRoundStarts = 0;
    const auto takeFromController = [&] {
        secondsInStep = state.glngSecondsInStep;
        length = state.glngStepLength;
        rounds = state.glngRoundCount;
        blinks = 0;
    };

    for (int action = 0; action < 5000; ++action) {
        SCOPED_TRACE(::testing::Message()
                     << "action " << action << " at " << StepIdName(state.genmCurrentStep));
        const int kind = random.bounded(20);
        const qsizetype shownBefore = view.displayed.size();
        if (kind < 9) {
            for (int t = random.bounded(1, 1500); t > 0 && view.timerEnabled; --t) {
                const Step before = state.genmCurrentStep;
                const bool moves = secondsInStep >= length;
                controller.tmrSteps_Timer();
                const Step now = state.genmCurrentStep;
                if (moves) {
                    ASSERT_EQ(now, GetNextStep(before)) << "tick " << t;
                    ++stepsByTick;
                    secondsInStep = 0;
                    length = GetStepLength(now, pace());
                    blinks = 0;
                    if (StartsRound(now, pace().round)) {
                        ++rounds;
                        if (now == estTopHead2) ++oneSideRoundStarts;
                    }
                } else {
                    ASSERT_EQ(now, before) << "moved early, tick " << t;
                }
                ASSERT_EQ(state.glngStepLength, length);
                ASSERT_EQ(state.glngRoundCount, rounds);
                ASSERT_EQ(state.gblnPositiveSequence, rounds > 2) << "tick " << t;
                if (!IsUntimedStep(now)) {
                    ++blinks;
                    ASSERT_EQ(view.markerVisible, BlinkShownOnTick(blinks)) << "tick " << t;
                    ASSERT_EQ(view.markerIndex, GetStepDotIndex(now));
                }
                milliseconds += 10;
                if (milliseconds == 1000) {
                    milliseconds = 0;
                    ++secondsInStep;
                }
                ASSERT_EQ(state.glngMilliseconds, milliseconds);
                ASSERT_EQ(state.glngSecondsInStep, secondsInStep);
            }
            continue;
        }
        switch (kind) {
            case 9:
            case 10:
            case 11:
                controller.Next();
                break;
            case 12:
                controller.Previous();
                break;
            case 13:
                controller.Paused() ? controller.Resume() : controller.Pause();
                if (controller.Paused()) {
                    // Ticks still on their way after Pause move nothing.
                    const SessionState held = state;
                    for (int i = 0; i < 50; ++i) controller.tmrSteps_Timer();
                    ASSERT_EQ(state.genmCurrentStep, held.genmCurrentStep);
                    ASSERT_EQ(state.glngMilliseconds, held.glngMilliseconds);
                }
                break;
            case 14:
            case 15:
                options = randomPace();
                controller.SetPace(options);
                break;
            case 16:
            case 17:
                if (random.bounded(3) == 0) {
                    personal.reset();
                } else {
                    personal = MakePersonalSession(
                        random.bounded(1, 33), random.bounded(1, 33),
                        random.bounded(2) ? std::optional<int>(random.bounded(1, 11))
                                          : std::nullopt,
                        random.bounded(2) ? std::optional<RoundKind>(randomPace().round)
                                          : std::nullopt);
                }
                controller.ChoosePersonalSession(personal);
                break;
            case 18:
                controller.radMode_Click(random.bounded(1, ISSUE_OPTION_COUNT + 1));
                personal.reset();
                break;
            default:
                random.bounded(10) ? controller.Next() : controller.cmdFinish_Click();
                break;
        }
        ASSERT_EQ(controller.CurrentPace(), pace());
        ASSERT_EQ(state.glngMilliseconds, milliseconds) << "a command keeps the clock";
        if (IsTappingPoint(state.genmCurrentStep)) {
            ASSERT_EQ(state.glngStepLength, pace().secondsPerPoint);
        }
        // A step entered by a command starts afresh; anything else leaves the step running.
        if (view.displayed.size() != shownBefore) takeFromController();
        length = state.glngStepLength;
    }
    EXPECT_GT(stepsByTick, 1500) << "the stream must reach the timed steps often";
    EXPECT_GT(oneSideRoundStarts, 20) << "rounds of one side must be met";
    EXPECT_TRUE(modal.messages.isEmpty());
}

}  // namespace
