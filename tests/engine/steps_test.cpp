#include "engine/steps.h"

#include <gtest/gtest.h>

#include <set>

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
    Step next;
    friend void PrintTo(const StepRowCase& row, std::ostream* out) { *out << row.name; }
};

const StepRowCase kRows[] = {
    {estIntro, "Intro", "Intro", false, 0, estSelectIssue},
    {estSelectIssue, "Select Issue", "", false, 0, estAssignSUD},
    {estAssignSUD, "Assign SUD", "", false, 0, estStimulateThymus},
    {estStimulateThymus, "Stimulate Thymus", "", false, 0, estLeftHand},
    {estLeftHand, "Left Hand", "Karate chop - Left Hand", false, 10, estRightHand},
    {estRightHand, "Right Hand", "Karate chop - Right Hand", false, 10, estExplainNegative},
    {estTopHead1, "Top Head", "Top Head", true, 2, estLeftEyebrow},
    {estTopHead2, "Top Head", "Top Head", true, 2, estRightEyebrow},
    {estLeftEyebrow, "Left Eyebrow", "Left Eyebrow", true, 2, estLeftEyeCorner},
    {estLeftEyeCorner, "Left Eye Corner", "Left Eye Corner", true, 2, estLeftUnderEye},
    {estLeftUnderEye, "Left Under Eye", "Left Under Eye", true, 2, estUnderNose1},
    {estUnderNose1, "Under Nose", "Under Nose", true, 2, estChin1},
    {estUnderNose2, "Under Nose", "Under Nose", true, 2, estChin2},
    {estChin1, "Chin", "Chin", true, 2, estLeftCollarbone},
    {estChin2, "Chin", "Chin", true, 2, estRightCollarbone},
    {estLeftCollarbone, "Left Collarbone", "Left Collarbone", true, 2, estLeftUnderArm},
    {estLeftUnderArm, "Left Under Arm", "Left Under Arm", true, 2, estTopHead2},
    {estRightEyebrow, "Right Eyebrow", "Right Eyebrow", true, 2, estRightEyeCorner},
    {estRightEyeCorner, "Right Eye Corner", "Right Eye Corner", true, 2, estRightUnderEye},
    {estRightUnderEye, "Right Under Eye", "Right Under Eye", true, 2, estUnderNose2},
    {estRightCollarbone, "Right Collarbone", "Right Collarbone", true, 2, estRightUnderArm},
    {estRightUnderArm, "Right Under Arm", "Right Under Arm", true, 2, estTopHead1},
    {estRelax, "Relax", "Relax", false, 0, estTopHead1},
    {estReassessSUD, "Reasses SUD", "", true, 0, estTopHead1},
    {estFinish, "Finish", "Finish", false, 0, estIntro},
    {estExplainNegative, "Explanation of Negative Sequence", "", false, 0, estTopHead1},
};

// One row of the step table per test, reported by the step's enumerator name.
class StepTable : public ::testing::TestWithParam<StepRowCase> {};

TEST_P(StepTable, RowAnswersItsLookups) {
    ModalRecorder modal;
    const StepRowCase& row = GetParam();
    EXPECT_EQ(GetStepName(row.step), QString::fromUtf8(row.name));
    EXPECT_EQ(GetStepDescription(row.step), QString::fromUtf8(row.description));
    EXPECT_EQ(IsThisTappingStep(row.step), row.tapping);
    EXPECT_EQ(GetStepLength(row.step), row.length);
    EXPECT_EQ(GetNextStep(row.step), row.next);
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
