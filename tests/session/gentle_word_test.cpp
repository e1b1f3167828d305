// When the gentle word under the rating scale is due, and that it comes once in a piece of work.
#include "session/gentle_word.h"

#include <gtest/gtest.h>

using namespace mindrova;

namespace {

struct RuleRow {
    const char* name;
    Step step;
    qint16 first;
    qint16 chosen;
    bool due;
    friend void PrintTo(const RuleRow& row, std::ostream* out) { *out << row.name; }
};

class GentleWordRule : public ::testing::TestWithParam<RuleRow> {};

TEST_P(GentleWordRule, SaysWhetherTheRatingCallsForIt) {
    const RuleRow& row = GetParam();
    EXPECT_EQ(RatingCallsForGentleWord(row.step, row.first, row.chosen), row.due);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GentleWordRule,
    ::testing::Values(RuleRow{"FirstSeven", estAssignSUD, -1, 7, false},
                      RuleRow{"FirstEight", estAssignSUD, -1, 8, true},
                      RuleRow{"FirstNine", estAssignSUD, -1, 9, true},
                      RuleRow{"FirstTen", estAssignSUD, -1, 10, true},
                      RuleRow{"LaterHigher", estReassessSUD, 4, 5, true},
                      RuleRow{"LaterEqual", estReassessSUD, 4, 4, false},
                      RuleRow{"LaterLower", estReassessSUD, 4, 2, false},
                      RuleRow{"LaterAfterAHeavyFirst", estReassessSUD, 9, 3, true},
                      RuleRow{"LaterWithoutAFirst", estReassessSUD, -1, 10, false},
                      RuleRow{"NotARatingStep", estSelectIssue, 9, 10, false},
                      RuleRow{"OnTheClosingStep", estFinish, 3, 10, false}),
    [](const ::testing::TestParamInfo<RuleRow>& info) { return std::string(info.param.name); });

TEST(GentleWordOnce, ComesOnceInAPieceOfWorkAndAgainInTheNext) {
    GentleWordOnce once;
    once.StepEntered(estSelectIssue);
    once.StepEntered(estAssignSUD);
    EXPECT_FALSE(once.RatingChosen(estAssignSUD, -1, 5));
    EXPECT_FALSE(once.Shown());
    EXPECT_TRUE(once.RatingChosen(estAssignSUD, -1, 9));
    EXPECT_TRUE(once.Shown());
    EXPECT_FALSE(once.RatingChosen(estAssignSUD, -1, 10)) << "once only";
    EXPECT_TRUE(once.Shown()) << "it stays for the rest of the step";
    once.StepEntered(estLeftHand);
    EXPECT_FALSE(once.Shown());
    once.StepEntered(estReassessSUD);
    EXPECT_FALSE(once.RatingChosen(estReassessSUD, 9, 10)) << "not again in the same piece";
    EXPECT_FALSE(once.Shown());
    once.StepEntered(estSelectIssue);
    once.StepEntered(estAssignSUD);
    EXPECT_TRUE(once.RatingChosen(estAssignSUD, 9, 8)) << "a new piece of work";
}

TEST(GentleWordText, NamesNoNumberNorAddress) {
    const QString text = GentleWordText();
    EXPECT_TRUE(text.contains("stop"));
    EXPECT_TRUE(text.contains("lighter issue"));
    EXPECT_TRUE(text.contains("professional"));
    for (const QChar c : text) EXPECT_FALSE(c.isDigit()) << text.toStdString();
    EXPECT_FALSE(text.contains("www") || text.contains("http") || text.contains('@'));
}

}  // namespace
