#include "support/report_address.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

#include "fixtures/qstring_printer.h"

using namespace mindrova;

namespace {

const QStringList kKeys = {"ErrNum",   "ErrDesc",  "ProgVer", "BuildNum", "ModuleName",
                           "ProcName", "Comments", "Email",   "ExtraDesc"};

ErrorRecord Record(const QString& description = "Object variable or With block variable not set",
                   const QString& extra = QString()) {
    return {91, description, "2.0", 201, "frmMain", "ProcessSteps", extra};
}

// The query as a form decoder reads it: "+" is a blank, escapes are UTF-8.
QList<QPair<QString, QString>> DecodeQuery(const QString& address) {
    const qsizetype mark = address.indexOf('?');
    if (mark < 0) return {};
    QString query = address.mid(mark + 1);
    query.replace('+', "%20");
    return QUrlQuery(query).queryItems(QUrl::FullyDecoded);
}

}  // namespace

TEST(IntroText, ReadsAsWritten) {
    const QString text = BuildIntroText();
    EXPECT_TRUE(
        text.startsWith("Regrettably, a problem has occurred in Mindrova.\r\n\r\nMindrova may "
                        "continue to function after this,"));
    EXPECT_TRUE(
        text.contains("we need your help.  Can Mindrova submit a bug report on your behalf "
                      "to Quellbrook Software?  And, can you please"));
    EXPECT_TRUE(
        text.endsWith("\r\n\r\nYour report is confidential, and only the information you "
                      "see below is included in the report."));
    EXPECT_EQ(text.count("\r\n\r\n"), 3);
    EXPECT_FALSE(text.contains(QRegularExpression("[^\r]\n")));
}

TEST(SpacesToPlus, OnlyBlanksChange) {
    const struct {
        QString in, out;
    } cases[] = {
        {"", ""},
        {" ", "+"},
        {"  it froze  here ", "++it+froze++here+"},
        {"a\tb\r\nc", "a\tb\r\nc"},
        {"a+b", "a+b"},
        {QString::fromUtf8("\u00a0x"), QString::fromUtf8("\u00a0x")},
    };
    for (const auto& c : cases) EXPECT_EQ(SpacesToPlus(c.in), c.out) << c.in.toStdString();
}

TEST(TrimBlanks, BlanksAtBothEndsOnly) {
    const struct {
        QString in, out;
    } cases[] = {
        {"", ""},
        {"     ", ""},
        {"  it froze  here ", "it froze  here"},
        {"\tkeep\t", "\tkeep\t"},
        {" a ", "a"},
    };
    for (const auto& c : cases) EXPECT_EQ(TrimBlanks(c.in), c.out) << c.in.toStdString();
}

TEST(FormEncode, ReservedAndForeignCharactersAreEscaped) {
    const struct {
        QString in, out;
    } cases[] = {
        {"", ""},
        {"AZaz09-._~", "AZaz09-._~"},
        {"Line: 40", "Line%3A+40"},
        {"a&b@example.com", "a%26b%40example.com"},
        {"#", "%23"},
        {"%", "%25"},
        {"=", "%3D"},
        {"+", "%2B"},
        {"?/", "%3F%2F"},
        {"\r\n", "%0D%0A"},
        {QString::fromUtf8("caf\u00e9"), "caf%C3%A9"},
        {QString::fromUtf8("\U0001F600"), "%F0%9F%98%80"},
        // A lone surrogate is not text; it goes out as a question mark, still escaped.
        {QString(QChar(0xD800)), "%3F"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormEncode(c.in), c.out) << c.in.toStdString();
}

TEST(WebAddresses, HostWithoutScheme) {
    EXPECT_EQ(HomePageAddress(), QString::fromLatin1(kWebSiteHost));
    EXPECT_EQ(ContactPageAddress(), QString::fromLatin1(kWebSiteHost) + "/contactme.html");
    EXPECT_FALSE(HomePageAddress().contains("://"));
    EXPECT_TRUE(HomePageAddress().endsWith(".example.com"));
}

TEST(ErrorReportAddress, AllNineKeysInOrderEvenWhenEmpty) {
    const QString address = ErrorReportAddress(ErrorRecord{}, "", "");
    EXPECT_EQ(address, QString::fromLatin1(kWebSiteHost) +
                           "/erroreh.php?ErrNum=0&ErrDesc=&ProgVer=&BuildNum=0&ModuleName="
                           "&ProcName=&Comments=&Email=&ExtraDesc=");
}

TEST(ErrorReportAddress, CheckpointAndBlanks) {
    const QString address =
        ErrorReportAddress(Record("Division by zero", "Line: 40"), "  it froze  here ", "  ");
    EXPECT_EQ(address, QString::fromLatin1(kWebSiteHost) +
                           "/erroreh.php?ErrNum=91&ErrDesc=Division+by+zero&ProgVer=2.0"
                           "&BuildNum=201&ModuleName=frmMain&ProcName=ProcessSteps"
                           "&Comments=it+froze++here&Email=&ExtraDesc=Line%3A+40");
    EXPECT_FALSE(address.contains("src=mdv"));
}

TEST(ErrorReportAddress, EmailWithAmpersandArrivesWhole) {
    const QString address = ErrorReportAddress(Record(), "", "a&b@example.com");
    EXPECT_TRUE(address.contains("&Email=a%26b%40example.com&ExtraDesc="));
    const auto items = DecodeQuery(address);
    ASSERT_EQ(items.size(), 9);
    EXPECT_EQ(items[7].second, "a&b@example.com");
}

TEST(ErrorReportAddress, StrangeValuesNeverBreakTheQuery) {
    const QString longText = QString("x& y=#%+").repeated(20000);
    const struct {
        QString description, comments, email, extra;
    } cases[] = {
        {"a&ErrNum=1", "&Email=forged@example.com", "x#y", "Line: 40"},
        {"100% done", "1 + 1 = 2", "+@+", "?&#="},
        {QString::fromUtf8("Fehler \u00fc\u00df \u65e5\u672c \U0001F600"),
         QString::fromUtf8("\u00a0non-breaking\u00a0"), QString::fromUtf8("\u00e9@ex.com"), ""},
        {"line one\r\nline two\ttab", "  ", "", "Line: 0"},
        {longText, longText, longText, longText},
    };
    for (const auto& c : cases) {
        ErrorRecord record = Record(c.description, c.extra);
        const QString address = ErrorReportAddress(record, c.comments, c.email);
        SCOPED_TRACE(c.comments.left(40).toStdString());
        EXPECT_TRUE(QRegularExpression("^[A-Za-z0-9._~%+&=?/-]+$").match(address).hasMatch());
        EXPECT_EQ(address.count('?'), 1);
        EXPECT_EQ(address.count('&'), 8);
        EXPECT_TRUE(QUrl("https://" + address, QUrl::StrictMode).isValid());

        const auto items = DecodeQuery(address);
        ASSERT_EQ(items.size(), kKeys.size());
        for (int i = 0; i < kKeys.size(); ++i) EXPECT_EQ(items[i].first, kKeys[i]);
        EXPECT_EQ(items[0].second, "91");
        EXPECT_EQ(items[1].second, c.description);
        EXPECT_EQ(items[2].second, "2.0");
        EXPECT_EQ(items[3].second, "201");
        EXPECT_EQ(items[4].second, "frmMain");
        EXPECT_EQ(items[5].second, "ProcessSteps");
        EXPECT_EQ(items[6].second, TrimBlanks(c.comments));
        EXPECT_EQ(items[7].second, TrimBlanks(c.email));
        EXPECT_EQ(items[8].second, c.extra);
    }
}

TEST(ErrorReportAddress, NegativeAndExtremeNumbers) {
    ErrorRecord record = Record();
    record.plngErrNum = std::numeric_limits<qint32>::min();
    record.plngBuildNum = std::numeric_limits<qint32>::max();
    const auto items = DecodeQuery(ErrorReportAddress(record, "", ""));
    ASSERT_EQ(items.size(), 9);
    EXPECT_EQ(items[0].second, "-2147483648");
    EXPECT_EQ(items[3].second, "2147483647");
}
