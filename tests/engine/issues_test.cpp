#include "engine/issues.h"

#include <gtest/gtest.h>

#include "engine/phrase_blocks.h"
#include "fixtures/step_names.h"

using namespace mindrova;
using mindrova::testing::IssueIdName;

namespace {

struct CatalogueRow {
    Issue issue;
    int option;
    const char* name;
    friend void PrintTo(const CatalogueRow& row, std::ostream* out) {
        *out << IssueIdName(row.issue);
    }
};

const CatalogueRow kCatalogue[] = {
    {eisAddictionsObsessions, 1, "Addiction or obsession"},
    {eisAnxietyFearPanicPhobia, 2, "Anxiety, fear, panic, phobia"},
    {eisDepression, 3, "Depression"},
    {eisHeadaches, 4, "Headaches"},
    {eisNegativeMemory, 5, "Negative memory"},
    {eisPTSD, 6, "PTSD"},
    {eisGlossophobia, 7, "Public Speaking"},
    {eisRageAnger, 8, "Rage or anger"},
    {eisSelfEsteem, 9, "Self-esteem issues"},
    {eisTrauma, 10, "Trauma"},
    {eisGuilt, 11, "Guilt"},
    {eisPTSDTrauma, 12, "PTSD, Trauma"},
};

// One row of the issue catalogue per test, reported by the issue's enumerator name.
class IssueCatalogue : public ::testing::TestWithParam<CatalogueRow> {};

TEST_P(IssueCatalogue, NameAndOptionBothWays) {
    const CatalogueRow& row = GetParam();
    EXPECT_EQ(GetIssueName(row.issue), QString::fromUtf8(row.name));
    EXPECT_EQ(IssueOptIndexToEnum(row.option), row.issue);
    EXPECT_EQ(IssueEnumToOptIndex(row.issue), row.option);
}

INSTANTIATE_TEST_SUITE_P(EveryRow, IssueCatalogue, ::testing::ValuesIn(kCatalogue),
                         [](const ::testing::TestParamInfo<CatalogueRow>& info) {
                             return IssueIdName(info.param.issue);
                         });

TEST(IssueCatalogueEdges, NoIssueAndTheDefault) {
    EXPECT_EQ(GetIssueName(eisNone), "NA");
    EXPECT_EQ(GetDefaultIssue(), eisNegativeMemory);
}

TEST(IssueCatalogueEdges, OutsideTheTableIsNeutralAndSilent) {
    for (int index : {INT32_MIN, -1, 0, 13, 120}) {
        EXPECT_EQ(IssueOptIndexToEnum(index), eisNone) << "option " << index;
    }
    for (qint32 id : {INT32_MIN, -10, 0, 5, 55, 130, INT32_MAX}) {
        SCOPED_TRACE(IssueIdName(Issue(id)));
        EXPECT_EQ(IssueEnumToOptIndex(Issue(id)), 0);
        if (id != 0) {
            EXPECT_EQ(GetIssueName(Issue(id)), "");
        }
    }
}

TEST(ActivationText, PiecesInOrderForEveryIssue) {
    const QString common =
        "Relax your shoulders. They shouldn't move when breathing.\r\n\r\n"
        "Relax muscles of your face. Relax your jaw.\r\n\r\n"
        "Breath deeply and lightly tap with the index finger and middle finger a 'karate chop' "
        "point, repeating the introduction sentence:\r\n\r\nEven though ";
    const QString close = " I love and accept myself with all my heart.";
    const struct {
        qint32 issue;
        const char* statement;
    } cases[] = {
        {10, "I have this addiction (obsession) [your problem here] "},
        {20, "I have this anxiety (fear, panic, phobia)"},
        {30, "I have this depression"},
        {50, "I have this negative memory [your problem here]"},
        {60, "I was exposed to this traumatic event [your trauma here]"},
        {70, "I have this fear of public speaking"},
        {80, "I have this anger [your problem here]"},
        {90, "I have so low self esteem"},
        {100, "I have this trauma [your problem here]"},
        {110, "I have this guilt"},
        {120, "I was exposed to this traumatic event [your trauma here]"},
        {0, "... [your problem here]"},
        {55, "... [your problem here]"},
        {-10, "... [your problem here]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(IssueIdName(Issue(c.issue)));
        EXPECT_EQ(GetStringForActivationStep(Issue(c.issue)),
                  common + QString::fromUtf8(c.statement) + close);
    }
    EXPECT_EQ(GetStringForActivationStep(eisHeadaches),
              "Headaches are the number one reason we visit our doctors.\r\n\r\n" + common +
                  "I have this headache" + close);
    EXPECT_TRUE(GetStringForActivationStep(eisAddictionsObsessions).contains("]  I love"));
}

TEST(SequenceDispatch, IssuesWithBlocksUseTheirOwnProcedures) {
    using Block = QString (*)();
    const struct {
        Issue issue;
        Block negative;
        Block positive;
    } cases[] = {
        {eisAddictionsObsessions, GetStringForNegativeSeq_AddictionsObsessions,
         GetStringForPositiveSeq_AddictionsObsessions},
        {eisAnxietyFearPanicPhobia, GetStringForNegativeSeq_AnxietyFearPanicPhobia,
         GetStringForPositiveSeq_AnxietyFearPanicPhobia},
        {eisDepression, GetStringForNegativeSeq_Depression, GetStringForPositiveSeq_Depression},
        {eisHeadaches, GetStringForNegativeSeq_Headaches, GetStringForPositiveSeq_Headaches},
        {eisNegativeMemory, GetStringForNegativeSeq_NegativeMemory,
         GetStringForPositiveSeq_NegativeMemory},
        {eisGlossophobia, GetStringForNegativeSeq_Glossophobia,
         GetStringForPositiveSeq_Glossophobia},
        {eisRageAnger, GetStringForNegativeSeq_RageAnger, GetStringForPositiveSeq_RageAnger},
        {eisSelfEsteem, GetStringForNegativeSeq_SelfEsteem, GetStringForPositiveSeq_SelfEsteem},
        {eisGuilt, GetStringForNegativeSeq_Guilt, GetStringForPositiveSeq_Guilt},
        {eisPTSDTrauma, GetStringForNegativeSeq_PTSD, GetStringForPositiveSeq_PTSD},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(IssueIdName(c.issue));
        EXPECT_EQ(GetStringForNegativeSequence(c.issue), c.negative());
        EXPECT_EQ(GetStringForPositiveSequence(c.issue), c.positive());
        EXPECT_NE(c.negative(), c.positive());
    }
}

TEST(SequenceDispatch, PlaceholderBlocks) {
    EXPECT_EQ(GetStringForNegativeSequence(eisPTSD), "\r\n(PTSD)\r\nNegative\r\n\r\n");
    EXPECT_EQ(GetStringForPositiveSequence(eisPTSD), "\r\n(PTSD)\r\nPositive\r\n\r\n");
    EXPECT_EQ(GetStringForNegativeSequence(eisTrauma), "\r\n(Trauma)\r\nNegative\r\n\r\n");
    EXPECT_EQ(GetStringForPositiveSequence(eisTrauma), "\r\n(Trauma)\r\nPositive\r\n\r\n");
    for (qint32 id : {0, 55, -1, 130}) {
        SCOPED_TRACE(IssueIdName(Issue(id)));
        EXPECT_EQ(GetStringForNegativeSequence(Issue(id)), "\r\n()\r\n\r\n");
        EXPECT_EQ(GetStringForPositiveSequence(Issue(id)), "\r\n()\r\n\r\n");
    }
}

}  // namespace
