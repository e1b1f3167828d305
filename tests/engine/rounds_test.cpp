#include "engine/rounds.h"

#include <gtest/gtest.h>

#include "fixtures/step_names.h"

using namespace mindrova;
using mindrova::testing::StepIdName;

namespace {

// Each point's place in a full round and in a round of one side: the left side's eight points
// make one round, the right side's eight the next.
struct PointRow {
    Step step;
    int full;
    int oneSide;
    friend void PrintTo(const PointRow& row, std::ostream* out) {
        *out << (row.step == 99 ? std::string("PastTheEnd") : StepIdName(row.step));
    }
};

const PointRow kPoints[] = {
    {estTopHead1, 0, 0},        {estLeftEyebrow, 1, 1},     {estLeftEyeCorner, 2, 2},
    {estLeftUnderEye, 3, 3},    {estUnderNose1, 4, 4},      {estChin1, 5, 5},
    {estLeftCollarbone, 6, 6},  {estLeftUnderArm, 7, 7},    {estTopHead2, 8, 0},
    {estRightEyebrow, 9, 1},    {estRightEyeCorner, 10, 2}, {estRightUnderEye, 11, 3},
    {estUnderNose2, 12, 4},     {estChin2, 13, 5},          {estRightCollarbone, 14, 6},
    {estRightUnderArm, 15, 7},  {estReassessSUD, -1, -1},   {estRelax, -1, -1},
    {estLeftHand, -1, -1},      {estNone, -1, -1},          {static_cast<Step>(99), -1, -1},
};

class PointsOfRounds : public ::testing::TestWithParam<PointRow> {};

TEST_P(PointsOfRounds, PlaceInTheRoundAndWhereRoundsBegin) {
    const PointRow& row = GetParam();
    EXPECT_EQ(PointOfRound(row.step, RoundKind::Full), row.full);
    EXPECT_EQ(PointOfRound(row.step, RoundKind::OneSide), row.oneSide);
    EXPECT_EQ(StartsRound(row.step, RoundKind::Full), row.full == 0);
    EXPECT_EQ(StartsRound(row.step, RoundKind::OneSide), row.oneSide == 0);
}

INSTANTIATE_TEST_SUITE_P(Steps, PointsOfRounds, ::testing::ValuesIn(kPoints),
                         [](const auto& info) {
                             return info.param.step == 99 ? std::string("PastTheEnd")
                                                          : StepIdName(info.param.step);
                         });

TEST(PointsOfRoundsWalk, OneSideRoundsFollowTheFullRoundsOrder) {
    // The timer's order from the first Top Head splits into the left side and then the right.
    Step step = estTopHead1;
    for (int point = 0; point < POINTS_IN_FULL_ROUND; ++point) {
        SCOPED_TRACE(StepIdName(step));
        EXPECT_EQ(PointOfRound(step, RoundKind::OneSide), point % POINTS_ON_ONE_SIDE);
        step = GetNextStep(step);
    }
    EXPECT_EQ(step, estTopHead1);
    EXPECT_EQ(PointsPerRound(RoundKind::Full), 16);
    EXPECT_EQ(PointsPerRound(RoundKind::OneSide), 8);
}

struct LengthRow {
    const char* name;
    Step step;
    SessionPace pace;
    qint32 seconds;
    friend void PrintTo(const LengthRow& row, std::ostream* out) { *out << row.name; }
};

class StepLengthsAtAPace : public ::testing::TestWithParam<LengthRow> {};

TEST_P(StepLengthsAtAPace, PointsTakeThePaceOtherStepsTheirOwn) {
    EXPECT_EQ(GetStepLength(GetParam().step, GetParam().pace), GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StepLengthsAtAPace,
    ::testing::Values(
        LengthRow{"DefaultPoint", estTopHead1, {}, 2},
        LengthRow{"OneSecond", estLeftEyebrow, {1, RoundKind::Full}, 1},
        LengthRow{"TenSeconds", estRightUnderArm, {10, RoundKind::Full}, 10},
        LengthRow{"OneSideSameLength", estTopHead2, {7, RoundKind::OneSide}, 7},
        LengthRow{"KarateChopKeepsTen", estLeftHand, {1, RoundKind::Full}, 10},
        LengthRow{"ReassessmentStillWaits", estReassessSUD, {5, RoundKind::Full}, 0},
        LengthRow{"RelaxStillWaits", estRelax, {5, RoundKind::OneSide}, 0},
        LengthRow{"ZeroBoundedToOne", estChin1, {0, RoundKind::Full}, 1},
        LengthRow{"NegativeBoundedToOne", estChin1, {-40, RoundKind::Full}, 1},
        LengthRow{"ElevenBoundedToTen", estChin2, {11, RoundKind::Full}, 10}),
    [](const auto& info) { return std::string(info.param.name); });

struct PaceRow {
    const char* name;
    SessionPace options;
    std::optional<int> personalSeconds;
    std::optional<RoundKind> personalRound;
    bool personal;
    SessionPace expected;
    friend void PrintTo(const PaceRow& row, std::ostream* out) { *out << row.name; }
};

class PaceOfASession : public ::testing::TestWithParam<PaceRow> {};

TEST_P(PaceOfASession, PersonalValuesWinAndOddValuesAreBounded) {
    const PaceRow& row = GetParam();
    PersonalSession session;
    session.secondsPerPoint = row.personalSeconds;
    session.round = row.personalRound;
    EXPECT_EQ(BoundedPace(EffectivePace(row.options, row.personal ? &session : nullptr)),
              row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PaceOfASession,
    ::testing::Values(
        PaceRow{"Defaults", {}, {}, {}, false, {2, RoundKind::Full}},
        PaceRow{"OptionsAlone", {7, RoundKind::OneSide}, {}, {}, false, {7, RoundKind::OneSide}},
        PaceRow{"PersonalWithoutValuesKeepsOptions", {7, RoundKind::OneSide}, {}, {}, true,
                {7, RoundKind::OneSide}},
        PaceRow{"PersonalSecondsWin", {7, RoundKind::OneSide}, 3, {}, true,
                {3, RoundKind::OneSide}},
        PaceRow{"PersonalRoundWins", {7, RoundKind::OneSide}, {}, RoundKind::Full, true,
                {7, RoundKind::Full}},
        PaceRow{"PersonalOutOfRangeBounded", {}, 1000, {}, true, {10, RoundKind::Full}},
        PaceRow{"UnknownRoundReadAsFull", {4, static_cast<RoundKind>(9)}, {}, {}, false,
                {4, RoundKind::Full}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
