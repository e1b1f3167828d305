#include "engine/steps.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fixtures/modal_recorder.h"
#include "fixtures/step_names.h"

using namespace mindrova;
using mindrova::testing::ModalRecorder;
using mindrova::testing::StepIdName;

namespace {

struct StepRowCase {
    Step step;
    const char* name;
    const char* description;
    bool tapping;
    qint32 length;
    friend void PrintTo(const StepRowCase& row, std::ostream* out) { *out << row.name; }
};

const StepRowCase kRows[] = {
    {estIntro, "Intro", "Intro", false, 0},
    {estSelectIssue, "Select Issue", "", false, 0},
    {estAssignSUD, "Assign SUD", "", false, 0},
    {estStimulateThymus, "Stimulate Thymus", "", false, 0},
    {estLeftHand, "Left Hand", "Karate chop - Left Hand", false, 10},
    {estRightHand, "Right Hand", "Karate chop - Right Hand", false, 10},
    {estTopHead1, "Top Head", "Top Head", true, 2},
    {estTopHead2, "Top Head", "Top Head", true, 2},
    {estLeftEyebrow, "Left Eyebrow", "Left Eyebrow", true, 2},
    {estLeftEyeCorner, "Left Eye Corner", "Left Eye Corner", true, 2},
    {estLeftUnderEye, "Left Under Eye", "Left Under Eye", true, 2},
    {estUnderNose1, "Under Nose", "Under Nose", true, 2},
    {estUnderNose2, "Under Nose", "Under Nose", true, 2},
    {estChin1, "Chin", "Chin", true, 2},
    {estChin2, "Chin", "Chin", true, 2},
    {estLeftCollarbone, "Left Collarbone", "Left Collarbone", true, 2},
    {estLeftUnderArm, "Left Under Arm", "Left Under Arm", true, 2},
    {estRightEyebrow, "Right Eyebrow", "Right Eyebrow", true, 2},
    {estRightEyeCorner, "Right Eye Corner", "Right Eye Corner", true, 2},
    {estRightUnderEye, "Right Under Eye", "Right Under Eye", true, 2},
    {estRightCollarbone, "Right Collarbone", "Right Collarbone", true, 2},
    {estRightUnderArm, "Right Under Arm", "Right Under Arm", true, 2},
    {estRelax, "Relax", "Relax", false, 0},
    {estReassessSUD, "Reasses SUD", "", true, 0},
    {estFinish, "Finish", "Finish", false, 0},
    {estExplainNegative, "Explanation of Negative Sequence", "", false, 0},
};

// The texts and lengths of each step, reported by the step's enumerator name. Where each step
// leads is checked by walking the rules below, not row by row.
class StepTable : public ::testing::TestWithParam<StepRowCase> {};

TEST_P(StepTable, RowAnswersItsLookups) {
    ModalRecorder modal;
    const StepRowCase& row = GetParam();
    EXPECT_EQ(GetStepName(row.step), QString::fromUtf8(row.name));
    EXPECT_EQ(GetStepDescription(row.step), QString::fromUtf8(row.description));
    EXPECT_EQ(IsThisTappingStep(row.step), row.tapping);
    EXPECT_EQ(GetStepLength(row.step), row.length);
    EXPECT_TRUE(modal.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EveryRow, StepTable, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<StepRowCase>& info) {
                             return StepIdName(info.param.step);
                         });

TEST(StepTableRows, CoverEveryStepOnce) {
    std::set<Step> seen;
    for (const auto& row : kRows) EXPECT_TRUE(seen.insert(row.step).second) << StepIdName(row.step);
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(MAX_STEP));
}

TEST(StepTableRows, NavigationAndPreviousOutsideTheTappingRules) {
    ModalRecorder modal;
    const struct {
        Step step;
        Step navigation;
        Step previous;
    } cases[] = {
        {estNone, estIntro, estIntro},
        {estIntro, estSelectIssue, estIntro},
        {estSelectIssue, estAssignSUD, estIntro},
        {estAssignSUD, estStimulateThymus, estSelectIssue},
        {estStimulateThymus, estLeftHand, estAssignSUD},
        {estLeftHand, estExplainNegative, estStimulateThymus},
        {estRightHand, estExplainNegative, estStimulateThymus},
        {estRelax, estTopHead1, estTopHead1},
        {estFinish, estIntro, estTopHead1},
        {estExplainNegative, estTopHead1, estLeftHand},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(StepIdName(c.step));
        RoundState rounds{5, true};
        bool flag = true;
        EXPECT_EQ(GetNextStep_Navigation(c.step, rounds), c.navigation);
        EXPECT_EQ(GetPrevStep(c.step, flag, rounds), c.previous);
        EXPECT_FALSE(flag);
        EXPECT_EQ(rounds.glngRoundCount, 5) << "only tapping steps touch the round counter";
    }
    EXPECT_TRUE(modal.messages.isEmpty());
}

TEST(StepRules, AutomaticSuccessorWalksTheRoundOnce) {
    std::set<Step> seen;
    Step step = estTopHead1;
    for (int i = 0; i < 16; ++i) {
        EXPECT_TRUE(seen.insert(step).second) << "visited twice: " << StepIdName(step);
        step = GetNextStep(step);
    }
    EXPECT_EQ(step, estTopHead1);
    EXPECT_EQ(seen.size(), 16u);
    EXPECT_EQ(*seen.begin(), estTopHead1);
    EXPECT_EQ(*seen.rbegin(), estRightUnderArm);
}

// How a session moves on: the step's time running out, or Next in a negative or a positive round.
enum class Move { Timer, NextNegative, NextPositive };

const char* MoveName(Move move) {
    switch (move) {
        case Move::Timer:
            return "timer";
        case Move::NextNegative:
            return "Next (negative round)";
        case Move::NextPositive:
            return "Next (positive round)";
    }
    return "?";
}

Step Take(Step step, Move move) {
    if (move == Move::Timer) return GetNextStep(step);
    RoundState rounds{1, move == Move::NextPositive};
    return GetNextStep_Navigation(step, rounds);
}

std::string Chain(const std::vector<Step>& steps) {
    std::string text;
    for (Step step : steps) text += (text.empty() ? "" : " -> ") + StepIdName(step);
    return text;
}

// A stretch of a session, walked from its first step by one kind of move.
struct WalkCase {
    const char* name;
    Step from;
    Move move;
    std::vector<Step> through;  // the steps entered, in order
    friend void PrintTo(const WalkCase& row, std::ostream* out) { *out << row.name; }
};

const WalkCase kWalks[] = {
    // The opening: Next from the program's start through the set-up to the first point.
    {"OpeningByNext",
     estNone,
     Move::NextNegative,
     {estIntro, estSelectIssue, estAssignSUD, estStimulateThymus, estLeftHand, estExplainNegative,
      estTopHead1}},
    // The karate chop runs out on its own: both hands, the explanation, then the points.
    {"KarateChopByTimer",
     estLeftHand,
     Move::Timer,
     {estRightHand, estExplainNegative, estTopHead1}},
    // One round: the left side from the top of the head down, the top again, the right side.
    {"RoundByTimer",
     estTopHead1,
     Move::Timer,
     {estLeftEyebrow, estLeftEyeCorner, estLeftUnderEye, estUnderNose1, estChin1, estLeftCollarbone,
      estLeftUnderArm, estTopHead2, estRightEyebrow, estRightEyeCorner, estRightUnderEye,
      estUnderNose2, estChin2, estRightCollarbone, estRightUnderArm, estTopHead1}},
    // Next on a point of a negative round goes to relax, then tapping again.
    {"NegativeRoundToRelax", estChin2, Move::NextNegative, {estRelax, estTopHead1}},
    // Next on a point of a positive round asks for the SUD again, then tapping again.
    {"PositiveRoundToReassessSUD", estChin2, Move::NextPositive, {estReassessSUD, estTopHead1}},
    {"ReassessSUDByTimer", estReassessSUD, Move::Timer, {estTopHead1}},
    {"RelaxByTimer", estRelax, Move::Timer, {estTopHead1}},
    // The closing: Finish leads back to the intro, by Next or by the timer.
    {"ClosingByNext", estFinish, Move::NextNegative, {estIntro}},
    {"ClosingByTimer", estFinish, Move::Timer, {estIntro}},
};

class SessionWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(SessionWalk, EntersTheStepsInOrder) {
    ModalRecorder modal;
    const WalkCase& row = GetParam();
    std::vector<Step> walked;
    Step step = row.from;
    for (std::size_t i = 0; i < row.through.size(); ++i) {
        step = Take(step, row.move);
        walked.push_back(step);
    }
    EXPECT_EQ(walked, row.through)
        << "by " << MoveName(row.move) << " from " << StepIdName(row.from) << ": " << Chain(walked)
        << "\nexpected: " << Chain(row.through);
    EXPECT_TRUE(modal.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Session, SessionWalk, ::testing::ValuesIn(kWalks),
                         [](const ::testing::TestParamInfo<WalkCase>& info) {
                             return std::string(info.param.name);
                         });

// Every step leads to a step of the procedure, whichever way the session moves on: no rule
// marker or number outside the table ever comes out of a lookup.
TEST(StepRules, EverySuccessorIsAStep) {
    ModalRecorder modal;
    for (qint32 id = estNone; id <= MAX_STEP; ++id) {
        const Step step = static_cast<Step>(id);
        for (Move move : {Move::Timer, Move::NextNegative, Move::NextPositive}) {
            const Step next = Take(step, move);
            EXPECT_TRUE(next >= estIntro && next <= MAX_STEP)
                << StepIdName(step) << " by " << MoveName(move) << " gives " << int(next);
        }
        for (bool positive : {false, true}) {
            RoundState rounds{3, positive};
            bool backToNegative = false;
            const Step previous = GetPrevStep(step, backToNegative, rounds);
            EXPECT_TRUE(previous >= estIntro && previous <= MAX_STEP)
                << "Previous on " << StepIdName(step) << " gives " << int(previous);
        }
    }
    EXPECT_TRUE(modal.messages.isEmpty());
}

// From the program's start every step can be entered: by the timer, by Next in either kind of
// round, or by Finish, which the window offers on every step.
TEST(StepRules, EveryStepReachableFromTheStart) {
    ModalRecorder modal;
    std::set<Step> reached{estNone};
    std::vector<Step> open{estNone};
    while (!open.empty()) {
        const Step step = open.back();
        open.pop_back();
        for (Step next : {Take(step, Move::Timer), Take(step, Move::NextNegative),
                          Take(step, Move::NextPositive), estFinish}) {
            if (reached.insert(next).second) open.push_back(next);
        }
    }
    for (qint32 id = estIntro; id <= MAX_STEP; ++id) {
        EXPECT_TRUE(reached.count(static_cast<Step>(id))) << StepIdName(static_cast<Step>(id));
    }
    EXPECT_TRUE(modal.messages.isEmpty());
}

// The timer alone never leaves a round: from any point it visits all sixteen once and comes back.
TEST(StepRules, TimerKeepsEveryPointInItsRound) {
    for (qint32 id = estTopHead1; id <= estRightUnderArm; ++id) {
        const Step start = static_cast<Step>(id);
        SCOPED_TRACE(StepIdName(start));
        std::set<Step> seen;
        Step step = start;
        int moves = 0;
        do {
            EXPECT_TRUE(IsThisTappingStep(step)) << StepIdName(step);
            EXPECT_TRUE(seen.insert(step).second) << "visited twice: " << StepIdName(step);
            step = GetNextStep(step);
        } while (step != start && ++moves < 17);
        EXPECT_EQ(step, start) << "the round never came back";
        EXPECT_EQ(seen.size(), 16u);
    }
}

TEST(StepRules, RuleTOnEveryTappingStep) {
    for (qint32 id = estTopHead1; id <= estReassessSUD; ++id) {
        const Step step = static_cast<Step>(id);
        if (!IsThisTappingStep(step)) continue;
        SCOPED_TRACE(StepIdName(step));
        RoundState negative{1, false};
        RoundState positive{4, true};
        const Step expectNegative = step == estReassessSUD ? estTopHead1 : estRelax;
        const Step expectPositive = step == estReassessSUD ? estTopHead1 : estReassessSUD;
        EXPECT_EQ(GetNextStep_Navigation(step, negative), expectNegative);
        EXPECT_EQ(negative.glngRoundCount, 2);
        EXPECT_EQ(GetNextStep_Navigation(step, positive), expectPositive);
        EXPECT_EQ(positive.glngRoundCount, 4);
    }
}

TEST(StepRules, RulePOnEveryTappingStep) {
    for (qint32 id = estTopHead1; id <= estReassessSUD; ++id) {
        const Step step = static_cast<Step>(id);
        if (!IsThisTappingStep(step)) continue;
        SCOPED_TRACE(StepIdName(step));
        RoundState negative{2, false};
        bool flag = true;
        EXPECT_EQ(GetPrevStep(step, flag, negative), estExplainNegative);
        EXPECT_FALSE(flag);
        EXPECT_EQ(negative.glngRoundCount, 0);

        RoundState positive{5, true};
        EXPECT_EQ(GetPrevStep(step, flag, positive), estRelax);
        EXPECT_TRUE(flag);
        EXPECT_EQ(positive.glngRoundCount, 0);
    }
}

TEST(StepRules, OutOfRangeIdsGiveTheSafeValueAndOneMessage) {
    const struct {
        const char* what;
        std::function<QString()> call;
        QString expected;
        const char* message;
    } cases[] = {
        {"name 0", [] { return GetStepName(estNone); }, "", "GetStepName - wrong parameter passed"},
        {"name 27", [] { return GetStepName(Step(27)); }, "",
         "GetStepName - wrong parameter passed"},
        {"description -1", [] { return GetStepDescription(Step(-1)); }, "",
         "GetStepDescription - wrong parameter passed"},
        {"next 27", [] { return QString::number(GetNextStep(Step(27))); }, "1",
         "Next step not defined"},
        {"next -1", [] { return QString::number(GetNextStep(Step(-1))); }, "1",
         "Next step not defined"},
        {"navigation 27",
         [] {
             RoundState r;
             return QString::number(GetNextStep_Navigation(Step(27), r));
         },
         "1", "Next step not defined"},
        {"previous 27",
         [] {
             RoundState r;
             bool flag = false;
             return QString::number(GetPrevStep(Step(27), flag, r));
         },
         "1", "Previous step not defined"},
        {"previous min",
         [] {
             RoundState r;
             bool flag = false;
             return QString::number(GetPrevStep(Step(INT32_MIN), flag, r));
         },
         "1", "Previous step not defined"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ModalRecorder modal;
        EXPECT_EQ(c.call(), c.expected);
        ASSERT_EQ(modal.messages.size(), 1);
        EXPECT_EQ(modal.messages[0].text, QString::fromLatin1(c.message));
        EXPECT_EQ(modal.messages[0].buttons, MessageButtons::Ok);
    }
}

TEST(StepRules, QuietLookupsNeverComplain) {
    ModalRecorder modal;
    for (qint32 id : {INT32_MIN, -1, 0, 27, 1000, INT32_MAX}) {
        SCOPED_TRACE(StepIdName(Step(id)));
        EXPECT_FALSE(IsThisTappingStep(Step(id)));
        EXPECT_EQ(GetStepLength(Step(id)), 2);
    }
    RoundState rounds;
    EXPECT_EQ(GetNextStep(estNone), estIntro);
    EXPECT_EQ(GetNextStep_Navigation(estNone, rounds), estIntro);
    EXPECT_TRUE(modal.messages.isEmpty());
}

TEST(IntroText, FiveParagraphsExactly) {
    const QString text = GetIntroText();
    EXPECT_TRUE(
        text.startsWith("Please sit up straight in a safe, quiet place and relax.\r\n\r\n"));
    EXPECT_EQ(text.count("\r\n\r\n"), 4);
    EXPECT_EQ(text.count("\r\n"), 8);
    EXPECT_TRUE(text.contains("mouth. Take as much space as you can. You have right to be here."));
    EXPECT_TRUE(text.contains("only your way. You are on the right path"));
    EXPECT_TRUE(text.contains("clear. With time you will clear"));
    EXPECT_TRUE(text.endsWith("an Enter key to move to the next step."));
}

}  // namespace
