// A tapping point's place in its round as the window shows it when the user follows the round,
// and which line of the shown instructions is the one said on the point.
#include "session/round_position.h"

#include <gtest/gtest.h>

#include "fixtures/qstring_printer.h"
#include "session/spoken_texts.h"
#include "session/step_presentation.h"

using namespace mindrova;

namespace {

struct PositionRow {
    const char* name;
    Step step;
    RoundKind round;
    bool positive;
    qint32 roundCount;
    const char* shown;
    friend void PrintTo(const PositionRow& row, std::ostream* out) { *out << row.name; }
};

class RoundPosition : public ::testing::TestWithParam<PositionRow> {};

TEST_P(RoundPosition, NamesThePointAndTheRound) {
    const PositionRow& row = GetParam();
    SessionState state;
    state.genmCurrentStep = row.step;
    state.gPace.round = row.round;
    state.gblnPositiveSequence = row.positive;
    state.glngRoundCount = row.roundCount;
    EXPECT_EQ(RoundPositionText(state), QString::fromUtf8(row.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RoundPosition,
    ::testing::Values(
        PositionRow{"FirstPointOfTheFirstNegativeRound", estTopHead1, RoundKind::Full, false, 1,
                    "Point 1 of 16 \xC2\xB7 Round 1 of 2"},
        PositionRow{"FourthPointOfTheSecondNegativeRound", estLeftUnderEye, RoundKind::Full, false,
                    2, "Point 4 of 16 \xC2\xB7 Round 2 of 2"},
        PositionRow{"SecondTopHeadIsTheNinthPoint", estTopHead2, RoundKind::Full, true, 3,
                    "Point 9 of 16 \xC2\xB7 Round 1"},
        PositionRow{"LastPointOfAFullRound", estRightUnderArm, RoundKind::Full, true, 3,
                    "Point 16 of 16 \xC2\xB7 Round 1"},
        PositionRow{"PositiveRoundsCountFromTheirFirst", estChin1, RoundKind::Full, true, 7,
                    "Point 6 of 16 \xC2\xB7 Round 5"},
        PositionRow{"OneSideRightSideCountsAgain", estRightEyebrow, RoundKind::OneSide, false, 2,
                    "Point 2 of 8 \xC2\xB7 Round 2 of 2"},
        PositionRow{"OneSideLeftSide", estLeftUnderArm, RoundKind::OneSide, true, 4,
                    "Point 8 of 8 \xC2\xB7 Round 2"},
        PositionRow{"NegativeBeforeAnyRoundWasCounted", estTopHead1, RoundKind::Full, false, 0,
                    "Point 1 of 16"},
        PositionRow{"NegativePastItsTwoRounds", estChin2, RoundKind::Full, false, 3,
                    "Point 14 of 16"},
        PositionRow{"PositiveWithoutAPositiveRound", estChin2, RoundKind::Full, true, 2,
                    "Point 14 of 16"},
        PositionRow{"RelaxIsNoPoint", estRelax, RoundKind::Full, true, 3, ""},
        PositionRow{"KarateChopIsNoPoint", estLeftHand, RoundKind::Full, false, 0, ""},
        PositionRow{"ReassessmentIsNoPoint", estReassessSUD, RoundKind::Full, true, 4, ""},
        PositionRow{"AStepOutsideTheProcedure", static_cast<Step>(99), RoundKind::Full, false, 1,
                    ""}),
    [](const ::testing::TestParamInfo<PositionRow>& info) { return std::string(info.param.name); });

struct LinesRow {
    const char* name;
    const char* text;
    int point;
    int said;  // index into the text's lines, -1 for none
    friend void PrintTo(const LinesRow& row, std::ostream* out) { *out << row.name; }
};

class SaidLine : public ::testing::TestWithParam<LinesRow> {};

TEST_P(SaidLine, IsTheBlocksLineForThePoint) {
    const LinesRow& row = GetParam();
    const QString text = QString::fromUtf8(row.text);
    const FollowedLines lines = LinesToFollow(text, row.point);
    EXPECT_EQ(lines.lines.join(QLatin1Char('\n')), text) << "the lines are the text's own";
    EXPECT_EQ(lines.said, row.said);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SaidLine,
    ::testing::Values(LinesRow{"FirstPointFirstLine", "Repeat: \n\nA\nB\nC", 0, 2},
                      LinesRow{"ThirdPointThirdLine", "Repeat: \n\nA\nB\nC", 2, 4},
                      LinesRow{"BlockStartsAgain", "Repeat: \n\nA\nB\nC", 4, 3},
                      LinesRow{"EmptyLinesInTheBlockAreNotSaid", "Repeat: \n\nA\n\n  \nB", 1, 5},
                      LinesRow{"OneLineBlock", "Repeat: \n\nOnly", 15, 2},
                      LinesRow{"NoBlock", "Say 'Peace' and take a deep breath.", 0, -1},
                      LinesRow{"EmptyBlock", "Repeat: \n\n\n", 0, -1},
                      LinesRow{"NoPoint", "Repeat: \n\nA\nB", -1, -1}),
    [](const ::testing::TestParamInfo<LinesRow>& info) { return std::string(info.param.name); });

// Across both rounds of every polarity, the line that stands out is the one the voice and the
// screen reader say there.
TEST(SaidLine, IsTheLineSpokenGuidanceSays) {
    for (const bool positive : {false, true}) {
        for (const RoundKind round : {RoundKind::Full, RoundKind::OneSide}) {
            SessionState state;
            state.gblnPositiveSequence = positive;
            state.gPace.round = round;
            for (int s = estTopHead1; s <= estRightUnderArm; ++s) {
                state.genmCurrentStep = static_cast<Step>(s);
                const int point = PointIndexInRound(state);
                SCOPED_TRACE(::testing::Message()
                             << "positive " << positive << ", point " << point);
                const QString shown = QString(StepInstructionsText(state.genmCurrentStep, state))
                                          .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                const FollowedLines lines = LinesToFollow(shown, point);
                ASSERT_GE(lines.said, 0);
                EXPECT_EQ(lines.lines[lines.said].trimmed(),
                          PhraseLineForPoint(PhraseLines(state.genmCurrentStep, state), point));
            }
        }
    }
}

}  // namespace
