#include "journal/journal_csv.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>

#include "fixtures/qstring_printer.h"
#include "fixtures/test_files.h"

using namespace mindrova;

namespace {

struct FieldCase {
    const char* name;
    QString value;
    QString field;
    friend void PrintTo(const FieldCase& row, std::ostream* out) { *out << row.name; }
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
        FieldCase{"BlankBeforeSign", QStringLiteral(" =1"), QStringLiteral("' =1")},
        FieldCase{"BlanksBeforePlus", QStringLiteral("   +1"), QStringLiteral("'   +1")},
        FieldCase{"BlankBeforeMinus", QStringLiteral(" -1"), QStringLiteral("' -1")},
        FieldCase{"BlankBeforeAt", QStringLiteral(" @SUM(A1)"), QStringLiteral("' @SUM(A1)")},
        FieldCase{"IdeographicSpaceBeforeSign", QStringLiteral("\u3000=1"),
                  QStringLiteral("'\u3000=1")},
        FieldCase{"LeadingTab", QStringLiteral("\tcalc"), QStringLiteral("'\tcalc")},
        FieldCase{"LeadingTabBeforeSign", QStringLiteral("\t=1"), QStringLiteral("'\t=1")},
        FieldCase{"LeadingCarriageReturn", QStringLiteral("\r=1"), QStringLiteral("\"'\r=1\"")},
        FieldCase{"FullwidthEquals", QStringLiteral("\uFF1D1+2"), QStringLiteral("'\uFF1D1+2")},
        FieldCase{"FullwidthPlus", QStringLiteral("\uFF0B1"), QStringLiteral("'\uFF0B1")},
        FieldCase{"FullwidthMinus", QStringLiteral("\uFF0D1"), QStringLiteral("'\uFF0D1")},
        FieldCase{"FullwidthAt", QStringLiteral("\uFF20SUM(A1)"), QStringLiteral("'\uFF20SUM(A1)")},
        FieldCase{"BlankBeforeFullwidthSign", QStringLiteral("  \uFF1D1"),
                  QStringLiteral("'  \uFF1D1")},
        FieldCase{"BlanksOnly", QStringLiteral("   "), QStringLiteral("   ")},
        FieldCase{"BlankBeforeWord", QStringLiteral(" my fear"), QStringLiteral(" my fear")},
        FieldCase{"TabInside", QStringLiteral("a\t=1"), QStringLiteral("a\t=1")},
        FieldCase{"FullwidthSignInside", QStringLiteral("a\uFF1Db"), QStringLiteral("a\uFF1Db")},
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

// With a umask of 0 a file made with the default mode is readable and writable by everyone, so
// any moment the export spends in that mode shows.
class OpenUmask {
public:
    OpenUmask() : mPrevious(::umask(0)) {}
    ~OpenUmask() { ::umask(mPrevious); }
    OpenUmask(const OpenUmask&) = delete;
    OpenUmask& operator=(const OpenUmask&) = delete;

private:
    mode_t mPrevious;
};

unsigned ModeOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return 01000;
    return info.st_mode & 0777;
}

TEST(JournalCsvFileTest, TheFileIsPrivateBeforeAByteIsWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const OpenUmask everyone;
    QSaveFile file(dir.filePath(QStringLiteral("journal.csv")));
    ASSERT_TRUE(OpenPrivately(file));
    struct stat info {};
    ASSERT_EQ(::fstat(file.handle(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "the file being written";
    EXPECT_EQ(file.pos(), 0);
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(ModeOf(file.fileName()), 0600u);
}

TEST(JournalCsvFileTest, AnExportReplacesTheFileWholeAndPrivately) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("journal.csv"));
    ASSERT_TRUE(mindrova::testing::WriteTestFile(
        path, "an older, longer export that must not survive in part"));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadOther | QFileDevice::ReadGroup));
    const OpenUmask everyone;
    JournalEntry e;
    e.started = QDateTime(QDate(2026, 3, 4), QTime(9, 5));
    e.issue = QStringLiteral("Guilt");
    e.firstRating = 5;
    QString error;
    ASSERT_TRUE(WriteJournalCsv(path, {e}, &error)) << error.toStdString();
    EXPECT_EQ(ModeOf(path), 0600u);
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "\xEF\xBB\xBF" + JournalCsv({e}).toUtf8());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file left";

    EXPECT_FALSE(WriteJournalCsv(dir.filePath(QStringLiteral("no/such/folder.csv")), {e}, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(JournalEntryTest, RatingsTextReadsBackAndSkipsWhatIsNotARating) {
    EXPECT_EQ(RatingsText({5, 3, 0}), QStringLiteral("5 3 0"));
    EXPECT_EQ(RatingsFromText(QStringLiteral("5 3 0")), (QList<int>{5, 3, 0}));
    EXPECT_EQ(RatingsFromText(QStringLiteral(" 10  x -1 11 7")), (QList<int>{10, 7}));
    EXPECT_TRUE(RatingsFromText(QString()).isEmpty());
}

}  // namespace
