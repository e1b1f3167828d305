#include "session/own_words.h"

#include <gtest/gtest.h>

#include "engine/issues.h"
#include "fixtures/qstring_printer.h"
#include "session/rating_lines.h"
#include "session/step_presentation.h"

using namespace mindrova;

namespace {

QString Repeat(const QString& piece, int times) {
    QString text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

struct WordsCase {
    const char* name;
    QString typed;
    std::optional<QString> kept;
};

class OwnWordsRule : public ::testing::TestWithParam<WordsCase> {};

TEST_P(OwnWordsRule, CleansOrRefuses) {
    const WordsCase& c = GetParam();
    EXPECT_EQ(CleanOwnWords(c.typed), c.kept);
    EXPECT_EQ(OwnWordsAcceptable(c.typed), c.kept.has_value());
}

const QString kEmoji = QStringLiteral("\U0001F622");  // two UTF-16 units, one character
const QString kHebrew = QStringLiteral("\u05D4\u05E4\u05D7\u05D3");  // right to left
const QString kLongest = Repeat(QStringLiteral("a"), OWN_WORDS_MAX_LENGTH);

INSTANTIATE_TEST_SUITE_P(
    Table, OwnWordsRule,
    ::testing::Values(
        WordsCase{"Empty", QString(), QString()},
        WordsCase{"OnlyBlanks", QStringLiteral("    "), QString()},
        WordsCase{"Plain", QStringLiteral("my fear of dogs"), QStringLiteral("my fear of dogs")},
        WordsCase{"BlanksTrimmed", QStringLiteral("  my fear  "), QStringLiteral("my fear")},
        WordsCase{"QuotesAndBrackets", QStringLiteral("\"that\" [day] (again) <x> & 'y'"),
                  QStringLiteral("\"that\" [day] (again) <x> & 'y'")},
        WordsCase{"Emoji", kEmoji + QStringLiteral(" loss"), kEmoji + QStringLiteral(" loss")},
        WordsCase{"RightToLeft", kHebrew, kHebrew},
        WordsCase{"RightToLeftMark", QStringLiteral("\u200Fabc"), QStringLiteral("\u200Fabc")},
        WordsCase{"Longest", kLongest, kLongest},
        WordsCase{"LongestWithBlanksAround", QStringLiteral("  ") + kLongest + QStringLiteral(" "),
                  kLongest},
        WordsCase{"OneTooMany", kLongest + QStringLiteral("a"), std::nullopt},
        WordsCase{"LongestInEmoji", Repeat(kEmoji, OWN_WORDS_MAX_LENGTH),
                  Repeat(kEmoji, OWN_WORDS_MAX_LENGTH)},
        WordsCase{"OneEmojiTooMany", Repeat(kEmoji, OWN_WORDS_MAX_LENGTH + 1), std::nullopt},
        WordsCase{"LineFeed", QStringLiteral("one\ntwo"), std::nullopt},
        WordsCase{"CarriageReturn", QStringLiteral("one\rtwo"), std::nullopt},
        WordsCase{"TrailingLineFeed", QStringLiteral("one\n"), std::nullopt},
        WordsCase{"Tab", QStringLiteral("one\ttwo"), std::nullopt},
        WordsCase{"Escape", QStringLiteral("one\x1btwo"), std::nullopt},
        WordsCase{"Nul", QString(QChar(0)) + QStringLiteral("x"), std::nullopt},
        WordsCase{"Delete", QStringLiteral("x\x7f"), std::nullopt},
        WordsCase{"C1Control", QStringLiteral("x\u0085y"), std::nullopt},
        WordsCase{"LineSeparator", QStringLiteral("x\u2028y"), std::nullopt},
        WordsCase{"ParagraphSeparator", QStringLiteral("x\u2029y"), std::nullopt}),
    [](const ::testing::TestParamInfo<WordsCase>& info) { return std::string(info.param.name); });

SessionState StateWith(Issue issue, const QString& words) {
    SessionState state;
    state.genmSelectedIssue = issue;
    state.gstrOwnWords = words;
    return state;
}

TEST(OwnWordsInSetUp, EmptyWordsLeaveEveryTextAsItIs) {
    for (const Issue issue :
         {eisAddictionsObsessions, eisNegativeMemory, eisPTSD, eisGuilt, eisTrauma, eisNone}) {
        for (int s = estIntro; s <= MAX_STEP; ++s) {
            const Step step = static_cast<Step>(s);
            SCOPED_TRACE(::testing::Message() << issue << " step " << s);
            SessionState plain;
            plain.genmSelectedIssue = issue;
            EXPECT_EQ(StepInstructionsText(step, StateWith(issue, QString())),
                      StepInstructionsText(step, plain));
        }
    }
}

TEST(OwnWordsInSetUp, WordsTakeThePlaceOfThePlaceholderOnKarateChopStepsOnly) {
    const QString words = QStringLiteral("\"the [accident]\" ") + kEmoji + kHebrew;
    for (const Issue issue : {eisNegativeMemory, eisRageAnger, eisTrauma, eisPTSD}) {
        for (const Step step : {estLeftHand, estRightHand}) {
            SCOPED_TRACE(::testing::Message() << issue << " step " << step);
            const QString text = StepInstructionsText(step, StateWith(issue, words));
            EXPECT_TRUE(text.contains(QStringLiteral(" ") + words));
            EXPECT_FALSE(text.contains(QStringLiteral("[your problem here]")));
            EXPECT_FALSE(text.contains(QStringLiteral("[your trauma here]")));
            EXPECT_TRUE(
                text.endsWith(QStringLiteral(" I love and accept myself with all my heart.")));
        }
        const QString tapping = StepInstructionsText(estTopHead1, StateWith(issue, words));
        EXPECT_FALSE(tapping.contains(words));
    }
    // A statement without a placeholder stays exact.
    EXPECT_EQ(StepInstructionsText(estLeftHand, StateWith(eisGuilt, words)),
              GetStringForActivationStep(eisGuilt));
}

TEST(OwnWordsInSetUp, TheDefaultStatementEndsWithTheWords) {
    const QString text = StepInstructionsText(estLeftHand, StateWith(eisNone, QStringLiteral("x")));
    EXPECT_TRUE(text.contains(QStringLiteral("Even though ... x I love and accept myself")));
}

struct LineCase {
    const char* name;
    Step step;
    qint16 first;
    QList<qint16> later;
    QString firstLine;
    QString changeLine;
};

class RatingLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(RatingLines, ReadTheKeptRatings) {
    const LineCase& c = GetParam();
    SessionState state;
    state.gintFirstSUD = c.first;
    state.gintLaterSUDs = c.later;
    EXPECT_EQ(FirstRatingLine(c.step, state), c.firstLine);
    EXPECT_EQ(RatingChangeLine(c.step, state), c.changeLine);
}

const QString kNone;

INSTANTIATE_TEST_SUITE_P(
    Table, RatingLines,
    ::testing::Values(
        LineCase{"ReassessFirstTime", estReassessSUD, 7, {}, "At the start you rated it 7.", kNone},
        LineCase{"ReassessAgain", estReassessSUD, 0, {4}, "At the start you rated it 0.", kNone},
        LineCase{"ReassessUnrated", estReassessSUD, -1, {}, kNone, kNone},
        LineCase{"FinishRatedAgain", estFinish, 8, {5}, kNone, "Your rating went from 8 to 5."},
        LineCase{
            "FinishLastOfMany", estFinish, 10, {6, 3, 0}, kNone, "Your rating went from 10 to 0."},
        LineCase{"FinishRisen", estFinish, 2, {9}, kNone, "Your rating went from 2 to 9."},
        LineCase{"FinishNotRatedAgain", estFinish, 8, {}, kNone, kNone},
        LineCase{"FinishUnrated", estFinish, -1, {}, kNone, kNone},
        LineCase{"OtherStep", estAssignSUD, 8, {5}, kNone, kNone},
        LineCase{"TappingStep", estTopHead1, 8, {5}, kNone, kNone}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

}  // namespace
