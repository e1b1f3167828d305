#include "session/own_words.h"

#include <gtest/gtest.h>

#include "engine/issues.h"
#include "fixtures/qstring_printer.h"
#include "session/line_breaks.h"
#include "session/rating_lines.h"
#include "session/spoken_texts.h"
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
    friend void PrintTo(const WordsCase& row, std::ostream* out) { *out << row.name; }
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
// Man, woman and girl joined into one family picture.
const QString kFamily = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467");
const QString kPersian = QStringLiteral("\u0645\u06CC\u200C\u062E\u0648\u0627\u0647\u0645");

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
        // Invisible marks and overrides turn or hide the statement around the words.
        WordsCase{"RightToLeftMark", QStringLiteral("\u200Fabc"), std::nullopt},
        WordsCase{"LeftToRightMark", QStringLiteral("abc\u200E"), std::nullopt},
        WordsCase{"ArabicLetterMark", QStringLiteral("a\u061Cb"), std::nullopt},
        WordsCase{"RightToLeftOverride", QStringLiteral("fear\u202Eof dogs"), std::nullopt},
        WordsCase{"LeftToRightEmbedding", QStringLiteral("\u202Ax"), std::nullopt},
        WordsCase{"PopDirectionalFormatting", QStringLiteral("x\u202C"), std::nullopt},
        WordsCase{"LeftToRightIsolate", QStringLiteral("\u2066x"), std::nullopt},
        WordsCase{"RightToLeftIsolate", QStringLiteral("\u2067x"), std::nullopt},
        WordsCase{"FirstStrongIsolate", QStringLiteral("\u2068x"), std::nullopt},
        WordsCase{"PopDirectionalIsolate", QStringLiteral("x\u2069"), std::nullopt},
        WordsCase{"ZeroWidthSpace", QStringLiteral("a\u200Bb"), std::nullopt},
        WordsCase{"WordJoiner", QStringLiteral("a\u2060b"), std::nullopt},
        WordsCase{"ByteOrderMark", QStringLiteral("\uFEFFab"), std::nullopt},
        WordsCase{"TagCharacter", QStringLiteral("a\U000E0041"), std::nullopt},
        WordsCase{"HalfASurrogatePair", QString(QChar(0xD83D)) + QStringLiteral("x"),
                  std::nullopt},
        // The joiners that scripts and emoji need stay, one at a time.
        WordsCase{"JoinedEmoji", kFamily, kFamily},
        WordsCase{"NonJoinerInPersian", kPersian, kPersian},
        WordsCase{"DoubledJoiner", QStringLiteral("a\u200D\u200Db"), std::nullopt},
        WordsCase{"DoubledNonJoiner", QStringLiteral("a\u200C\u200Cb"), std::nullopt},
        // Accents and vowel signs, but no tower of marks.
        WordsCase{"DecomposedAccents", QStringLiteral("vi\u0323\u0302t"),
                  QStringLiteral("vi\u0323\u0302t")},
        WordsCase{"ThreeMarksOnOneLetter", QStringLiteral("e\u0301\u0302\u0303"),
                  QStringLiteral("e\u0301\u0302\u0303")},
        WordsCase{"FourMarksOnOneLetter", QStringLiteral("e\u0301\u0302\u0303\u0304"),
                  std::nullopt},
        WordsCase{"MarkTower", QStringLiteral("a") + Repeat(QStringLiteral("\u0336"), 40),
                  std::nullopt},
        WordsCase{"EnclosingMarks", QStringLiteral("1\u20DD\u20DD\u20DD\u20DD"), std::nullopt},
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
    // A statement without a placeholder says the words too.
    EXPECT_TRUE(StepInstructionsText(estLeftHand, StateWith(eisGuilt, words))
                    .endsWith(QStringLiteral("Even though I have this guilt, ") + words +
                              QStringLiteral(", I love and accept myself with all my heart.")));
}

TEST(OwnWordsInSetUp, TheDefaultStatementEndsWithTheWords) {
    const QString text = StepInstructionsText(estLeftHand, StateWith(eisNone, QStringLiteral("x")));
    EXPECT_TRUE(text.contains(QStringLiteral("Even though ... x, I love and accept myself")));
}

// The statement the user repeats: the last paragraph of a karate-chop step's text.
QString StatementParagraph(Step step, const SessionState& state) {
    return StepInstructionsText(step, state).split(QStringLiteral("\r\n\r\n")).constLast();
}

struct SentenceCase {
    const char* name;
    Issue issue;
    QString sentence;  // with the words "my fear of flying"
    friend void PrintTo(const SentenceCase& c, std::ostream* out) { *out << c.name; }
};

class OwnWordsSentence : public ::testing::TestWithParam<SentenceCase> {};

TEST_P(OwnWordsSentence, IsShownAndSpokenAsOneSentence) {
    const SentenceCase& c = GetParam();
    const SessionState state = StateWith(c.issue, QStringLiteral("my fear of flying"));
    for (const Step step : {estLeftHand, estRightHand}) {
        SCOPED_TRACE(::testing::Message() << "step " << step);
        EXPECT_EQ(StatementParagraph(step, state), c.sentence);
        EXPECT_EQ(SetupStatementSpeech(step, state), c.sentence);
        const QString text = StepInstructionsText(step, state);
        EXPECT_FALSE(text.contains(QStringLiteral("  "))) << "no doubled space";
        EXPECT_FALSE(text.contains(u'[')) << "no placeholder left";
        // The paragraphs before the statement are the issue's own.
        const QString plain = GetStringForActivationStep(c.issue);
        EXPECT_EQ(text.left(text.lastIndexOf(QStringLiteral("\r\n\r\n"))),
                  plain.left(plain.lastIndexOf(QStringLiteral("\r\n\r\n"))));
    }
}

TEST_P(OwnWordsSentence, NoWordsLeaveTheStatementAsItWas) {
    const SessionState state = StateWith(GetParam().issue, QString());
    EXPECT_EQ(StepInstructionsText(estLeftHand, state),
              GetStringForActivationStep(GetParam().issue));
    EXPECT_EQ(SetupStatementSpeech(estLeftHand, state),
              GetStringForActivationStep(GetParam().issue)
                  .split(QStringLiteral("\r\n\r\n"))
                  .constLast()
                  .trimmed());
}

const QString kAccepting = QStringLiteral(", I love and accept myself with all my heart.");

INSTANTIATE_TEST_SUITE_P(
    EveryIssue, OwnWordsSentence,
    ::testing::Values(
        SentenceCase{"Addiction", eisAddictionsObsessions,
                     "Even though I have this addiction, my fear of flying" + kAccepting},
        SentenceCase{"Anxiety", eisAnxietyFearPanicPhobia,
                     "Even though I have this anxiety, my fear of flying" + kAccepting},
        SentenceCase{"Depression", eisDepression,
                     "Even though I have this depression, my fear of flying" + kAccepting},
        SentenceCase{"Headaches", eisHeadaches,
                     "Even though I have this headache, my fear of flying" + kAccepting},
        SentenceCase{"NegativeMemory", eisNegativeMemory,
                     "Even though I have this negative memory, my fear of flying" + kAccepting},
        SentenceCase{"PTSD", eisPTSD,
                     "Even though I was exposed to this traumatic event, my fear of flying" +
                         kAccepting},
        SentenceCase{"PublicSpeaking", eisGlossophobia,
                     "Even though I have this fear of public speaking, my fear of flying" +
                         kAccepting},
        SentenceCase{"Anger", eisRageAnger,
                     "Even though I have this anger, my fear of flying" + kAccepting},
        SentenceCase{"SelfEsteem", eisSelfEsteem,
                     "Even though I have so low self esteem, my fear of flying" + kAccepting},
        SentenceCase{"Trauma", eisTrauma,
                     "Even though I have this trauma, my fear of flying" + kAccepting},
        SentenceCase{"Guilt", eisGuilt,
                     "Even though I have this guilt, my fear of flying" + kAccepting},
        SentenceCase{"PTSDTrauma", eisPTSDTrauma,
                     "Even though I was exposed to this traumatic event, my fear of flying" +
                         kAccepting},
        SentenceCase{"NoIssue", eisNone, "Even though ... my fear of flying" + kAccepting},
        SentenceCase{"UnknownIssue", Issue(55), "Even though ... my fear of flying" + kAccepting}),
    [](const ::testing::TestParamInfo<SentenceCase>& info) { return std::string(info.param.name); });

struct OddWords {
    const char* name;
    QString words;
    friend void PrintTo(const OddWords& c, std::ostream* out) { *out << c.name; }
};

class OddWordsInEveryStatement : public ::testing::TestWithParam<OddWords> {};

// Whatever the words hold, each issue's statement carries them once, exactly as typed, and
// nothing else of the statement changes with them.
TEST_P(OddWordsInEveryStatement, AreSaidOnceExactlyAsTyped) {
    const QString words = GetParam().words;
    ASSERT_EQ(CleanOwnWords(words), words);
    for (int option = 0; option <= ISSUE_OPTION_COUNT; ++option) {
        const Issue issue = IssueOptIndexToEnum(option);
        SCOPED_TRACE(::testing::Message() << "issue " << issue);
        const QString statement = StatementParagraph(estLeftHand, StateWith(issue, words));
        const QString probe = StatementParagraph(estLeftHand, StateWith(issue, QStringLiteral("#")));
        EXPECT_EQ(statement, QString(probe).replace(u'#', words));
        EXPECT_EQ(statement.size(), probe.size() - 1 + words.size());
        EXPECT_EQ(SetupStatementSpeech(estLeftHand, StateWith(issue, words)), statement);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, OddWordsInEveryStatement,
    ::testing::Values(
        OddWords{"Longest", Repeat(QStringLiteral("w"), OWN_WORDS_MAX_LENGTH)},
        OddWords{"RightToLeft", kHebrew + QStringLiteral(" ") + kHebrew},
        OddWords{"RightToLeftFirst", kHebrew + QStringLiteral(" my fear")},
        OddWords{"BoldTag", QStringLiteral("<b>my fear</b>")},
        OddWords{"Entity", QStringLiteral("fear &amp; shame")},
        OddWords{"Placeholders", Repeat(QStringLiteral("[your trauma here]"), 6)},
        OddWords{"BothPlaceholders",
                 QStringLiteral("[your problem here] [your trauma here] ... Even though")}),
    [](const ::testing::TestParamInfo<OddWords>& info) { return std::string(info.param.name); });

struct RunCase {
    const char* name;
    QString text;
    QString shown;
    friend void PrintTo(const RunCase& c, std::ostream* out) { *out << c.name; }
};

class LongRuns : public ::testing::TestWithParam<RunCase> {};

TEST_P(LongRuns, GetAPlaceToWrapOnlyWhereTheyHaveNone) {
    EXPECT_EQ(WithBreaksInLongRuns(GetParam().text), GetParam().shown);
}

const QString kBreak = QStringLiteral("\u200B");
const QString kGothic = QStringLiteral("\U00010330");  // a letter beyond 16 bits
const QString kRun = Repeat(QStringLiteral("w"), LONGEST_UNBROKEN_RUN);

INSTANTIATE_TEST_SUITE_P(
    Table, LongRuns,
    ::testing::Values(
        RunCase{"Short", QStringLiteral("my fear"), QStringLiteral("my fear")},
        RunCase{"LongestRun", kRun + QStringLiteral(" x"), kRun + QStringLiteral(" x")},
        RunCase{"OneTooLong", QStringLiteral("a ") + kRun + QStringLiteral("w, b"),
                QStringLiteral("a ") + kRun + kBreak + QStringLiteral("w, b")},
        RunCase{"OwnWordsAtTheLimit", Repeat(QStringLiteral("w"), OWN_WORDS_MAX_LENGTH),
                Repeat(kRun + kBreak, 4) + kRun},
        RunCase{"EmojiWrapAlready", Repeat(kEmoji, 60), Repeat(kEmoji, 60)},
        RunCase{"PairsKeptWhole", Repeat(kGothic, LONGEST_UNBROKEN_RUN + 1),
                Repeat(kGothic, LONGEST_UNBROKEN_RUN) + kBreak + kGothic},
        RunCase{"MarksStayOnTheirLetter",
                Repeat(QStringLiteral("e\u0301"), LONGEST_UNBROKEN_RUN + 1),
                Repeat(QStringLiteral("e\u0301"), LONGEST_UNBROKEN_RUN) + kBreak +
                    QStringLiteral("e\u0301")},
        // Ideographs may wrap between any two of them already.
        RunCase{"Ideographs", Repeat(QStringLiteral("\u6050"), 60),
                Repeat(QStringLiteral("\u6050"), 60)},
        RunCase{"EveryStepTextAsItIs", GetStringForActivationStep(eisAddictionsObsessions),
                GetStringForActivationStep(eisAddictionsObsessions)}),
    [](const ::testing::TestParamInfo<RunCase>& info) { return std::string(info.param.name); });

struct LineCase {
    const char* name;
    Step step;
    qint16 first;
    QList<qint16> later;
    QString firstLine;
    QString changeLine;
    friend void PrintTo(const LineCase& row, std::ostream* out) { *out << row.name; }
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
