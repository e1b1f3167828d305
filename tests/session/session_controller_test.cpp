#include "session/session_controller.h"

#include <gtest/gtest.h>

#include "fixtures/fake_session_view.h"
#include "fixtures/modal_recorder.h"
#include "support/error_trap.h"

using namespace mindrova;
using mindrova::testing::FakeSessionView;
using mindrova::testing::ModalRecorder;
using mindrova::testing::ReportRecorder;

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

TEST_F(Session, MarkerColoursAcrossTheSession) {
    // DisplayStep's own repaints (green on the left hand, red back on round 1) are the window's;
    // the controller repaints only on a change of polarity.
    ReachPositiveRound();
    EXPECT_TRUE(view.markersGreen);
    controller.cmdFinish_Click();
    EXPECT_TRUE(view.markersGreen) << "Finish clears the flag without repainting";
    EXPECT_FALSE(Positive());
}

}  // namespace

// Drives a fresh session to a step, then checks where Next and Previous land from there.
class WhereCommandsLand : public ::testing::Test {
protected:
    struct Fixture {
        ModalRecorder modal;
        FakeSessionView view;
        SessionController controller{view};
        Fixture() {
            controller.StartSession();
            controller.Form_Activate();
        }
        void Ticks(int n) {
            for (int i = 0; i < n && view.timerEnabled; ++i) controller.tmrSteps_Timer();
        }
        void ToNegativePoint() {
            for (int i = 0; i < 6; ++i) controller.Next();
            Ticks(600);  // fourth point of round 1
        }
        void ToPositivePoint() {
            ToNegativePoint();
            controller.Next();
            controller.Next();
            Ticks(1000);
        }
    };

    struct Row {
        const char* name;
        std::function<void(Fixture&)> reach;
        Step next;
        qint32 nextRound;  // -1: not checked
        Step previous;
        qint32 previousRound;
    };
};

TEST_F(WhereCommandsLand, EveryRowOfTheTable) {
    auto nexts = [](int n) {
        return [n](Fixture& f) {
            for (int i = 0; i < n; ++i) f.controller.Next();
        };
    };
    const Row rows[] = {
        {"intro", nexts(0), estSelectIssue, -1, estIntro, -1},
        {"select issue", nexts(1), estAssignSUD, -1, estIntro, -1},
        {"assign SUD", nexts(2), estStimulateThymus, -1, estSelectIssue, -1},
        {"thymus", nexts(3), estLeftHand, -1, estAssignSUD, -1},
        {"left hand", nexts(4), estExplainNegative, -1, estStimulateThymus, 0},
        {"right hand",
         [nexts](Fixture& f) {
             nexts(4)(f);
             f.Ticks(1001);
         },
         estExplainNegative, -1, estStimulateThymus, 0},
        {"negative point", [](Fixture& f) { f.ToNegativePoint(); }, estRelax, 2, estExplainNegative,
         0},
        {"positive point", [](Fixture& f) { f.ToPositivePoint(); }, estReassessSUD, 3, estRelax, 2},
        {"relax",
         [](Fixture& f) {
             f.ToNegativePoint();
             f.controller.Next();
         },
         estTopHead1, 3, estTopHead1, 1},
        {"reassess",
         [](Fixture& f) {
             f.ToPositivePoint();
             f.controller.Next();
         },
         estTopHead1, 4, estRelax, 2},
        {"finish",
         [nexts](Fixture& f) {
             nexts(3)(f);
             f.controller.cmdFinish_Click();
         },
         estIntro, 0, estSelectIssue, 0},
        {"explanation", nexts(5), estTopHead1, 1, estLeftHand, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (bool forward : {true, false}) {
            Fixture f;
            row.reach(f);
            const Step before = f.controller.State().genmCurrentStep;
            forward ? f.controller.Next() : f.controller.Previous();
            const Step expected = forward ? row.next : row.previous;
            const qint32 round = forward ? row.nextRound : row.previousRound;
            EXPECT_EQ(f.controller.State().genmCurrentStep, expected)
                << (forward ? "Next" : "Previous") << " from " << before;
            if (round >= 0) {
                EXPECT_EQ(f.controller.State().glngRoundCount, round);
            }
            if (!forward) {
                EXPECT_FALSE(f.controller.State().gblnPositiveSequence);
            }
            const bool timed = !IsUntimedStep(expected);
            EXPECT_EQ(f.view.timerEnabled, timed);
            EXPECT_EQ(f.view.enabled[SessionControl::Pause], timed);
            EXPECT_FALSE(f.view.visible[SessionControl::Resume]);
            EXPECT_TRUE(f.modal.messages.isEmpty());
        }
    }
}

namespace {

TEST_F(Session, PreviousFromTheFirstStepsAndTheButtonState) {
    controller.Previous();
    EXPECT_EQ(Current(), estIntro);
    EXPECT_EQ(view.displayed.size(), 1) << "Previous on the intro changes nothing";
    controller.Next();
    EXPECT_TRUE(view.enabled[SessionControl::Previous]);
    controller.Previous();
    EXPECT_EQ(Current(), estIntro);
    EXPECT_FALSE(view.enabled[SessionControl::Previous]);
}

TEST_F(Session, PauseFreezesTickAndBlinkThenResumeOrNextGoesOn) {
    ReachNegativeRound();
    Tick(30);
    const bool markerBefore = view.markerVisible;
    const auto blinkBefore = view.blink.glngBlinkCounter;
    controller.Pause();
    EXPECT_FALSE(view.timerEnabled);
    EXPECT_TRUE(view.paused());
    EXPECT_FALSE(view.visible[SessionControl::Pause]);
    Tick(500);  // the timer is off: nothing arrives
    EXPECT_EQ(Current(), estTopHead1);
    EXPECT_EQ(view.markerVisible, markerBefore);
    EXPECT_EQ(view.blink.glngBlinkCounter, blinkBefore);

    controller.Resume();
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
    EXPECT_TRUE(view.visible[SessionControl::Pause]);
}

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
        const int before = view.blinkCalls;
        controller.tmrSteps_Timer();  // a second tick must not run inside the first
        nestedTicks += view.blinkCalls - before;
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
