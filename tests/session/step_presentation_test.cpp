#include "session/step_presentation.h"

#include <gtest/gtest.h>

#include "fixtures/modal_recorder.h"

using namespace mindrova;
using mindrova::testing::ModalRecorder;

namespace {

// ---- Visibility ---------------------------------------------------------------------------

struct VisibilityCase {
    qint32 step;
    StepVisibility expected;  // panels, lblIntro, picShape, hands, fraMode, fraSUD_2, shpGreen
};

constexpr StepVisibility kTapping{true, false, true, false, false, false, false};
constexpr StepVisibility kHands{true, false, false, true, false, false, false};
constexpr StepVisibility kSud{true, false, false, false, false, true, false};

const VisibilityCase kVisibility[] = {
    {-1, kTapping},
    {0, kTapping},
    {1, {false, true, true, false, false, false, false}},
    {2, {true, false, false, false, true, false, false}},
    {3, kSud},
    {4, {true, false, true, false, false, false, true}},
    {5, kHands},
    {6, kHands},
    {7, kTapping},
    {8, kTapping},
    {9, kTapping},
    {10, kTapping},
    {11, kTapping},
    {12, kTapping},
    {13, kTapping},
    {14, kTapping},
    {15, kTapping},
    {16, kTapping},
    {17, kTapping},
    {18, kTapping},
    {19, kTapping},
    {20, kTapping},
    {21, kTapping},
    {22, kTapping},
    {23, kTapping},
    {24, kSud},
    {25, {false, true, false, false, false, false, false}},
    {26, kTapping},
    {27, kTapping},
};

TEST(StepVisibilityTest, EachStepShowsItsOwnControls) {
    for (const auto& c : kVisibility) {
        SCOPED_TRACE(c.step);
        const StepVisibility v = GetStepVisibility(static_cast<Step>(c.step));
        EXPECT_EQ(v.panels, c.expected.panels);
        EXPECT_EQ(v.lblIntro, c.expected.lblIntro);
        EXPECT_EQ(v.picShape, c.expected.picShape);
        EXPECT_EQ(v.hands, c.expected.hands);
        EXPECT_EQ(v.fraMode, c.expected.fraMode);
        EXPECT_EQ(v.fraSUD_2, c.expected.fraSUD_2);
        EXPECT_EQ(v.shpGreen, c.expected.shpGreen);
    }
}

// ---- Titles -------------------------------------------------------------------------------

struct TitleCase {
    qint32 step;
    const char* negative;
    const char* positive;
};

const TitleCase kTitles[] = {
    {1, "", ""},
    {2, "Select Issue", "Select Issue"},
    {3, "Assign SUD", "Assign SUD"},
    {4, "Stimulate Thymus", "Stimulate Thymus"},
    {5, "Affirmation Statement", "Affirmation Statement"},
    {6, "Affirmation Statement", "Affirmation Statement"},
    {7, "Negative Sequence", "Positive Sequence"},
    {8, "Negative Sequence", "Positive Sequence"},
    {9, "Negative Sequence", "Positive Sequence"},
    {10, "Negative Sequence", "Positive Sequence"},
    {11, "Negative Sequence", "Positive Sequence"},
    {12, "Negative Sequence", "Positive Sequence"},
    {13, "Negative Sequence", "Positive Sequence"},
    {14, "Negative Sequence", "Positive Sequence"},
    {15, "Negative Sequence", "Positive Sequence"},
    {16, "Negative Sequence", "Positive Sequence"},
    {17, "Negative Sequence", "Positive Sequence"},
    {18, "Negative Sequence", "Positive Sequence"},
    {19, "Negative Sequence", "Positive Sequence"},
    {20, "Negative Sequence", "Positive Sequence"},
    {21, "Negative Sequence", "Positive Sequence"},
    {22, "Negative Sequence", "Positive Sequence"},
    {23, "Relax", "Relax"},
    {24, "Reasses SUD", "Reasses SUD"},
    {25, "", ""},
    {26, "Explanation of Negative Sequence", "Explanation of Negative Sequence"},
};

TEST(SegmentTitleTest, EveryStepHasItsTitleInBothPolarities) {
    ModalRecorder modal;
    for (const auto& c : kTitles) {
        SCOPED_TRACE(c.step);
        const Step step = static_cast<Step>(c.step);
        EXPECT_EQ(SegmentTitleText(step, false), QString::fromUtf8(c.negative));
        EXPECT_EQ(SegmentTitleText(step, true), QString::fromUtf8(c.positive));
    }
    EXPECT_TRUE(modal.messages.isEmpty());
}

TEST(SegmentTitleTest, OutOfRangeShowsOneMessageAndReturnsEmpty) {
    for (const qint32 id : {0, -1, 27, 1000}) {
        SCOPED_TRACE(id);
        ModalRecorder modal;
        EXPECT_TRUE(SegmentTitleText(static_cast<Step>(id), true).isEmpty());
        ASSERT_EQ(modal.messages.size(), 1);
        EXPECT_EQ(modal.messages.front().text,
                  QStringLiteral("GetSegmentTitle - wrong parameter passed"));
        EXPECT_EQ(modal.messages.front().buttons, MessageButtons::Ok);
    }
}

// ---- Instructions -------------------------------------------------------------------------

SessionState StateFor(Issue issue, bool positive) {
    SessionState state;
    state.genmSelectedIssue = issue;
    state.gblnPositiveSequence = positive;
    return state;
}

struct FixedTextCase {
    Step step;
    const char16_t* text;
};

const FixedTextCase kFixedTexts[] = {
    {estSelectIssue,
     u"Please select an emotional issue you want to clear.\r\n\r\nIt should be an issue which "
     u"triggers negative emotions in you. For exampke, whenever you think about it you get upset, "
     u"your hands are sweating, your heart is pounding, your blood circulates faster, your pulse "
     u"accelerates.\r\n\r\nClick button Next when you are ready."},
    {estAssignSUD,
     u"Now please assess the intensity of the issue - the level of discomfort it causes. Assign "
     u"a SUD number to this issue.\r\n\r\nA SUD number is a unit on so called 'Subjective Unit of "
     u"Distress' scale.\r\n\r\nIt is number from 0 to 10, where 0 means that the issue is not "
     u"bothering you at all, and 10 indicates the highest level of distress.\r\n\r\nGo to the "
     u"next step when you are ready."},
    {estStimulateThymus,
     u"Breathe deeply and slowly - inhaling through the nose and out through the mouth. Slowly "
     u"inhale, slowly exhale and stop for about three seconds.\r\n\r\nGently tap your thymus with "
     u"the index finger and middle finger for about half a minute. It doesn't matter which hand "
     u"you use, left or right.\r\n\r\nThymus gland regulates human's body and is its energetic "
     u"battery. It is located behind your sternum and between your lungs, about 2 inches below "
     u"the collarbone.\r\n\r\nWhen stimulating thymus, the will to heal - life's energy - is "
     u"activated.\r\n\r\nClick button Next when you are ready."},
    {estRelax,
     u"Say 'Peace' and take couple of deep breaths.\r\n\r\nDetach yourself from the issue. This "
     u"issue is not you. It doesn't define you.\r\n\r\nIf this issue was triggered by a situation "
     u"in the past, re-live this situation, but this time separate yourself from it.\r\n\r\nWatch "
     u"it through the lenses of a camera. Camera doesn't judge or assign emotions.\r\n\r\nObserve "
     u"as this would happen to someone else. You can modify the situation - you can bring other "
     u"people or beings, real of imaginary. You are in control. You can change your behavior but "
     u"you cannot change behavior of people who caused harm to you.\r\n\r\nThis will re-frame "
     u"this event for you. You will remember it but the negative emotions will go away.\r\n\r\nIn "
     u"the next step you'll give yourself the comfort you wish had been given to you."},
    {estReassessSUD,
     u"Say 'Peace' and take a deep breath.\r\n\r\nReasses SUD - the intensity of the emotion or "
     u"stress related to given issue.\r\n\r\nIf it decreased but it is still > 0, you may click "
     u"the button 'Next' and continue tapping till it reaches zero, or you may stop the session "
     u"and continue it at other time.\r\n\r\nIf SUD = 0, either end the session or click the "
     u"button 'Previous' couple of times to go back to the beginning of the process and move on "
     u"to the next issue.\r\n\r\nSometimes (though very rarely) it happens that the level of the "
     u"stress increases.\r\nIf that's the case, stop working on that issue and try to clear some "
     u"other, less intense issue. Come back to the original issue after the lighter issues are "
     u"cleared.\r\n\r\nTo stop the session plese click the button 'Finish."},
    {estFinish,
     u"Take a deep breath. Place one hand on your hearth and the other one abount one inch below "
     u"your belly button - this spot is called 'dan tien'.\r\n\r\nConcentrate on your heart and "
     u"say:\r\n'I feel you. I understand you. I love you.'\r\n\r\nImagine energy flowing between "
     u"your heart and your dan tien. As you breathe in, the energy goes up to your heart. As you "
     u"breath out, the energy goes down to your dan tien.\r\n\r\nSend your love to the outside "
     u"world, to everyone and everything.\r\n\r\nSay:\r\n'I am greatful for this healing.'\r\n\r\n"
     u"The issue is gone. You are safe. Somebody loves you."},
    {estExplainNegative,
     u"Before working on the issue, you have first to tune in into the emotion associated with "
     u"it.\r\n\r\nThe best way is to 'poke' oneselves to feel related experience and "
     u"sensations.\r\n\r\n(By putting yourself in the frightening situation without any negative "
     u"consequences, your subonsciousness learns that anxiety isn\u2019t appropriate.)\r\n\r\nThe "
     u"program will guide you through two 'negative rounds' of tapping before switching to "
     u"positive mode, where actual treatment will take place.\r\n\r\nPlease go to the next step "
     u"when you are ready."},
};

TEST(StepInstructionsTest, FixedStepsReadWordForWordInEitherPolarity) {
    for (const auto& c : kFixedTexts) {
        SCOPED_TRACE(GetStepName(c.step).toStdString());
        const QString expected = QString::fromUtf16(c.text);
        EXPECT_EQ(StepInstructionsText(c.step, StateFor(eisGuilt, false)), expected);
        EXPECT_EQ(StepInstructionsText(c.step, StateFor(eisDepression, true)), expected);
    }
}

struct BreakCountCase {
    Step step;
    qsizetype blankLines;
    qsizetype singleBreaks;
};

TEST(StepInstructionsTest, ParagraphAndLineBreakCounts) {
    const BreakCountCase cases[] = {{estAssignSUD, 3, 0}, {estFinish, 5, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        const QString text = StepInstructionsText(c.step, StateFor(eisNegativeMemory, false));
        const qsizetype blanks = text.count(QStringLiteral("\r\n\r\n"));
        EXPECT_EQ(blanks, c.blankLines);
        EXPECT_EQ(text.count(QStringLiteral("\r\n")) - 2 * blanks, c.singleBreaks);
        EXPECT_EQ(text.count(QLatin1Char('\r')), text.count(QLatin1Char('\n')));
        EXPECT_FALSE(text.startsWith(QLatin1Char('\r')));
        EXPECT_FALSE(text.endsWith(QLatin1Char('\n')));
    }
}

TEST(StepInstructionsTest, IntroUsesTheIntroText) {
    const QString text = StepInstructionsText(estIntro, StateFor(eisGuilt, true));
    EXPECT_EQ(text, GetIntroText());
    EXPECT_TRUE(text.startsWith(QStringLiteral("Please sit up straight")));
}

TEST(StepInstructionsTest, NoStepAndNegativeIdsHaveNoText) {
    for (const qint32 id : {0, -1, -26}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(
            StepInstructionsText(static_cast<Step>(id), StateFor(eisGuilt, false)).isEmpty());
    }
}

TEST(StepInstructionsTest, KarateChopStepsShowTheSetUpOfTheIssue) {
    for (const Step step : {estLeftHand, estRightHand}) {
        for (const Issue issue : {eisHeadaches, eisGuilt}) {
            for (const bool positive : {false, true}) {
                SCOPED_TRACE(::testing::Message() << step << " " << issue << " " << positive);
                const QString text = StepInstructionsText(step, StateFor(issue, positive));
                EXPECT_EQ(text, GetStringForActivationStep(issue));
                EXPECT_EQ(text.startsWith(QStringLiteral("Headaches are")), issue == eisHeadaches);
            }
        }
    }
}

const char16_t kNegativeLead[] =
    u"Breathe slowly and gently tap the indicated points with the index finger and middle finger. "
    u"Repeat (or use your own words): \r\n\r\n";
const char16_t kPositiveLead[] =
    u"Continue tapping. Relax and remember to breathe slowly. Repeat (or use your own words to "
    u"reframe the issue): \r\n\r\n";

struct TappingCase {
    Issue issue;
    bool positive;
    const char16_t* lead;
    const char16_t* firstPhrase;
};

const TappingCase kTappingCases[] = {
    {eisNegativeMemory, false, kNegativeLead, u"I cannot deal with my past..."},
    {eisGuilt, false, kNegativeLead, u"I feel so guilty. I had no right to do this."},
    {eisNegativeMemory, true, kPositiveLead, u"I am emotionally detached from what happened."},
    {eisGuilt, true, kPositiveLead, u"I take responsibility for what I've done and for my life."},
};

TEST(StepInstructionsTest, TappingPointsShowTheBlockOfTheIssueAndPolarity) {
    for (const auto& c : kTappingCases) {
        const QString block = c.positive ? GetStringForPositiveSequence(c.issue)
                                         : GetStringForNegativeSequence(c.issue);
        const QString expected = QString::fromUtf16(c.lead) + block;
        for (const qint32 id : {7, 8, 13, 15, 22, 27, 100}) {
            SCOPED_TRACE(::testing::Message() << c.issue << " " << c.positive << " " << id);
            const QString text =
                StepInstructionsText(static_cast<Step>(id), StateFor(c.issue, c.positive));
            EXPECT_EQ(text, expected);
            // The block comes right after the lead, starting with the issue's first line.
            const QString rest = text.mid(QString::fromUtf16(c.lead).size());
            EXPECT_EQ(rest.section(QStringLiteral("\r\n"), 0, 0),
                      QString::fromUtf16(c.firstPhrase));
        }
    }
}

// ---- A personal session in the issue's place ------------------------------------------------

const char16_t kKarateChopLead[] =
    u"Relax your shoulders. They shouldn't move when breathing.\r\n\r\nRelax muscles of your "
    u"face. Relax your jaw.\r\n\r\nBreath deeply and lightly tap with the index finger and "
    u"middle finger a 'karate chop' point, repeating the introduction sentence:\r\n\r\n";

struct PersonalTextCase {
    const char* name;
    Step step;
    bool positive;
    QString setup;
    QStringList negative;
    QStringList positiveLines;
    QString expected;
    friend void PrintTo(const PersonalTextCase& c, std::ostream* out) { *out << c.name; }
};

class PersonalTexts : public ::testing::TestWithParam<PersonalTextCase> {};

// Under the personal session lie the headaches issue (its own first line on the karate chop) and
// the user's own words: neither shows.
TEST_P(PersonalTexts, ShowTheStatementAndLinesInPlaceOfTheIssues) {
    const PersonalTextCase& c = GetParam();
    SessionState state = StateFor(eisHeadaches, c.positive);
    state.gstrOwnWords = QStringLiteral("my temples");
    state.gPersonal = PersonalSession{QStringLiteral("Fear of flying"), c.setup, c.negative,
                                      c.positiveLines, std::nullopt, std::nullopt};
    EXPECT_EQ(StepInstructionsText(c.step, state), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PersonalTexts,
    ::testing::Values(
        PersonalTextCase{"LeftHandSaysTheStatement", estLeftHand, false, "Even though I fly.",
                         {"A."}, {"B."},
                         QString::fromUtf16(kKarateChopLead) + "Even though I fly."},
        PersonalTextCase{"RightHandInThePositiveToo", estRightHand, true, "Even though I fly.",
                         {"A."}, {"B."},
                         QString::fromUtf16(kKarateChopLead) + "Even though I fly."},
        PersonalTextCase{"StatementOnOneLine", estLeftHand, false, " Even though\r\nI fly.\t",
                         {"A."}, {"B."},
                         QString::fromUtf16(kKarateChopLead) + "Even though  I fly."},
        PersonalTextCase{"NegativeBlock", estChin1, false, "S.", {"One.", "Two.", "Three."},
                         {"B."}, QString::fromUtf16(kNegativeLead) + "One.\r\nTwo.\r\nThree."},
        PersonalTextCase{"PositiveBlock", estTopHead2, true, "S.", {"A."}, {"Up.", "On."},
                         QString::fromUtf16(kPositiveLead) + "Up.\r\nOn."},
        PersonalTextCase{"LinesCleanedOneToALine", estChin2, false, "S.",
                         {" two\nparts ", "", "   ", "tab\there", "\u2028end"}, {"B."},
                         QString::fromUtf16(kNegativeLead) + "two parts\r\ntab here\r\nend"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Elapsed time -------------------------------------------------------------------------

struct TimeCase {
    qint32 seconds;
    const char* shown;
};

TEST(ElapsedTimeTest, FormatsMinutesBelowAnHourHoursBelowADayAndTheDaysClockFromADayOn) {
    const TimeCase cases[] = {
        {0, "00:00"},        {1, "00:01"},         {59, "00:59"},        {60, "01:00"},
        {75, "01:15"},       {3599, "59:59"},      {3600, "1:00:00"},    {3601, "1:00:01"},
        {3661, "1:01:01"},   {36000, "10:00:00"},  {86399, "23:59:59"},  {86400, "00:00:00"},
        {90061, "01:01:01"}, {172799, "23:59:59"}, {172800, "00:00:00"}, {2147483647, "03:14:07"},
        {-1, "00:00"},       {-90061, "00:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds);
        EXPECT_EQ(FormatElapsedTime(c.seconds), QString::fromLatin1(c.shown));
    }
}

}  // namespace
