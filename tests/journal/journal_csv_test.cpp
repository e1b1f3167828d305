#include "journal/journal_csv.h"

#include <gtest/gtest.h>

#include "fixtures/qstring_printer.h"

using namespace mindrova;

namespace {

struct FieldCase {
    const char* name;
    QString value;
    QString field;
};

class CsvFieldRule : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CsvFieldRule, QuotesAndGuards) {
    EXPECT_EQ(CsvField(GetParam().value), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CsvFieldRule,
    ::testing::Values(
        FieldCase{"Empty", QString(), QString()},
        FieldCase{"Plain", QStringLiteral("my fear"), QStringLiteral("my fear")},
        FieldCase{"Comma", QStringLiteral("dogs, cats"), QStringLiteral("\"dogs, cats\"")},
        FieldCase{"Quote", QStringLiteral("the \"day\""), QStringLiteral("\"the \"\"day\"\"\"")},
        FieldCase{"LineFeed", QStringLiteral("a\nb"), QStringLiteral("\"a\nb\"")},
        FieldCase{"CarriageReturn", QStringLiteral("a\rb"), QStringLiteral("\"a\rb\"")},
        FieldCase{"Equals", QStringLiteral("=1+2"), QStringLiteral("'=1+2")},
        FieldCase{"Plus", QStringLiteral("+1"), QStringLiteral("'+1")},
        FieldCase{"Minus", QStringLiteral("-1"), QStringLiteral("'-1")},
        FieldCase{"At", QStringLiteral("@SUM(A1)"), QStringLiteral("'@SUM(A1)")},
        FieldCase{"FormulaWithComma", QStringLiteral("=HYPERLINK(\"x\",\"y\")"),
                  QStringLiteral("\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\"")},
        FieldCase{"SignInside", QStringLiteral("a=b-c"), QStringLiteral("a=b-c")},
        FieldCase{"BlankBeforeSign", QStringLiteral(" =1"), QStringLiteral(" =1")},
        FieldCase{"Apostrophe", QStringLiteral("'quoted'"), QStringLiteral("'quoted'")},
        FieldCase{"Emoji", QStringLiteral("\U0001F622"), QStringLiteral("\U0001F622")},
        FieldCase{"RightToLeft", QStringLiteral("\u05D4\u05E4,"),
                  QStringLiteral("\"\u05D4\u05E4,\"")}),
    [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

TEST(JournalCsvTest, HeaderAndOneLineAnEntryInTheGivenOrder) {
    JournalEntry later;
    later.started = QDateTime(QDate(2026, 3, 4), QTime(9, 5));
    later.issue = QStringLiteral("Anxiety, Fear, Panic, Phobia");
    later.ownWords = QStringLiteral("=cmd|' /C calc'!A0");
    later.firstRating = 9;
    later.laterRatings = {6, 2};
    later.rounds = 4;
    later.minutes = 17;
    JournalEntry earlier;
    earlier.started = QDateTime(QDate(2026, 3, 1), QTime(20, 30));
    earlier.issue = QStringLiteral("Guilt");
    earlier.firstRating = 5;
    const QString csv = JournalCsv({later, earlier});
    EXPECT_EQ(csv, QStringLiteral("Started,Issue,Own words,First rating,Later ratings,Last rating,"
                                  "Rounds,Minutes\r\n"
                                  "2026-03-04 09:05,\"Anxiety, Fear, Panic, Phobia\",'=cmd|' /C "
                                  "calc'!A0,9,6 2,2,4,17\r\n"
                                  "2026-03-01 20:30,Guilt,,5,,5,0,0\r\n"));
}

TEST(JournalCsvTest, NoEntriesGiveTheHeaderOnly) {
    EXPECT_EQ(JournalCsv({}).count(QStringLiteral("\r\n")), 1);
}

TEST(JournalEntryTest, RatingsTextReadsBackAndSkipsWhatIsNotARating) {
    EXPECT_EQ(RatingsText({5, 3, 0}), QStringLiteral("5 3 0"));
    EXPECT_EQ(RatingsFromText(QStringLiteral("5 3 0")), (QList<int>{5, 3, 0}));
    EXPECT_EQ(RatingsFromText(QStringLiteral(" 10  x -1 11 7")), (QList<int>{10, 7}));
    EXPECT_TRUE(RatingsFromText(QString()).isEmpty());
}

}  // namespace
