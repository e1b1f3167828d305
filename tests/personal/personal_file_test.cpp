// A personal session file is taken whole or refused with a reason that names what is wrong, and
// a refused file is left exactly as it was. What we write reads back as the same session.
#include "personal/personal_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "fixtures/qstring_printer.h"
#include "fixtures/test_files.h"

using namespace mindrova;

namespace {

const QByteArray kExample = R"({"format": 1, "title": "Fear of flying",
 "setup": "Even though my hands sweat when the plane takes off, I love and accept myself.",
 "negative": ["My hands are wet.", "The engines roar."],
 "positive": ["I am safe in my seat.", "I can breathe slowly."],
 "secondsPerPoint": 2, "round": "full"})";

// A valid file with one field's JSON text replaced (or removed when value is null).
QByteArray With(const char* key, const QByteArray& value) {
    QByteArray fields[][2] = {
        {"format", "1"},
        {"title", "\"Fear of flying\""},
        {"setup", "\"Even though I fly, I love and accept myself.\""},
        {"negative", "[\"My hands are wet.\"]"},
        {"positive", "[\"I am safe.\"]"},
    };
    QByteArray out = "{";
    bool replaced = false;
    for (auto& [name, text] : fields) {
        if (name == key) {
            replaced = true;
            if (value.isNull()) continue;
            text = value;
        }
        if (out.size() > 1) out += ", ";
        out += "\"" + name + "\": " + text;
    }
    if (!replaced) out += ", \"" + QByteArray(key) + "\": " + value;
    return out + "}";
}

QByteArray Lines(int count, const QByteArray& line = "\"a\"") {
    QByteArrayList lines;
    for (int i = 0; i < count; ++i) lines << line;
    return "[" + lines.join(",") + "]";
}

QByteArray Text(const QString& text) {
    QByteArray out = "\"";
    for (const QChar c : text)
        out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0')).toLatin1();
    return out + "\"";
}

struct BadFile {
    const char* name;
    QByteArray bytes;
    QString reason;  // a part of the reason given
};

void PrintTo(const BadFile& c, std::ostream* out) {
    *out << c.name;
}

class RefusedFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(RefusedFile, IsRefusedWithItsReasonAndLeftAsItWas) {
    const BadFile& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.json"));
    ASSERT_TRUE(mindrova::testing::WriteTestFile(path, c.bytes));
    const PersonalSessionRead read = ReadPersonalSessionFile(path);
    EXPECT_FALSE(read.session.has_value());
    EXPECT_TRUE(read.reason.contains(c.reason)) << read.reason.toStdString();
    EXPECT_EQ(mindrova::testing::FileBytes(path, "<unreadable>"), c.bytes)
        << "the file is untouched";
}

const QByteArray kLong201 = Text(QString(201, u'x'));
const QByteArray kLong200 = Text(QString(200, u'x'));

INSTANTIATE_TEST_SUITE_P(
    EveryReason, RefusedFile,
    ::testing::Values(
        BadFile{"Empty", "", "The file is empty."},
        BadFile{"NotJson", "Fear of flying: my hands are wet", "is not JSON text"},
        BadFile{"NotAnObject", "[1, 2]", "is not an object"},
        BadFile{"NotUtf8", With("title", "\"Fl\xE9gel\""), "not UTF-8"},
        BadFile{"TooLarge", With("setup", "\"" + QByteArray(300 * 1024, 'a') + "\""),
                "larger than 256 KiB"},
        BadFile{"OtherFormat", With("format", "2"), "written in format 2"},
        BadFile{"FormatAsText", With("format", "\"1\""), "\u201Cformat\u201D should be a whole"},
        BadFile{"MissingFormat", With("format", {}), "\u201Cformat\u201D is missing"},
        BadFile{"MissingTitle", With("title", {}), "\u201Ctitle\u201D is missing"},
        BadFile{"MissingSetup", With("setup", {}), "\u201Csetup\u201D is missing"},
        BadFile{"MissingNegative", With("negative", {}), "\u201Cnegative\u201D is missing"},
        BadFile{"MissingPositive", With("positive", {}), "\u201Cpositive\u201D is missing"},
        BadFile{"TitleNotText", With("title", "3"), "\u201Ctitle\u201D should be text"},
        BadFile{"SetupNotText", With("setup", "[\"a\"]"), "\u201Csetup\u201D should be text"},
        BadFile{"LinesNotAList", With("negative", "\"a\""), "should be a list of lines"},
        BadFile{"LineNotText", With("positive", "[\"a\", 2]"), "should be a list of lines"},
        BadFile{"UnknownField", With("notes", "\"x\""), "\u201Cnotes\u201D that this version"},
        BadFile{"EmptyTitle", With("title", "\"  \""), "The title is empty."},
        BadFile{"TitleIsAPath", With("title", "\"../../x\""), "as a file path would"},
        BadFile{"TitleWithBackslash", With("title", "\"a\\\\b\""), "as a file path would"},
        BadFile{"EmptySetup", With("setup", "\"\""), "set-up statement is empty"},
        BadFile{"NoNegativeLines", With("negative", "[]"), "There are 0 negative lines"},
        BadFile{"TooManyLines", With("positive", Lines(33)), "There are 33 positive lines"},
        BadFile{"TenThousandLines", With("negative", Lines(10000)),
                "There are 10000 negative lines"},
        BadFile{"EmptyLine", With("negative", "[\"a\", \" \"]"), "negative line 2 is empty"},
        BadFile{"LongLine", With("positive", "[" + kLong201 + "]"),
                "positive line 1 is longer than 200"},
        BadFile{"ControlCharacter", With("negative", "[\"a\\u0007b\"]"),
                "negative line 1 holds a control character"},
        BadFile{"LineBreakInLine", With("negative", "[\"a\\nb\"]"), "holds a control character"},
        BadFile{"DirectionOverride", With("title", "\"abc\\u202Edef\""),
                "The title holds a control character"},
        BadFile{"DirectionIsolate", With("setup", "\"I \\u2066fly\""),
                "set-up statement holds a control character"},
        BadFile{"ZeroWidthSpace", With("positive", "[\"a\\u200Bb\"]"), "holds a control character"},
        BadFile{"HalfASurrogate", With("positive", "[\"a\\ud800b\"]"), "holds a control character"},
        BadFile{"SecondsTooMany", With("secondsPerPoint", "11"), "from 1 to 10"},
        BadFile{"SecondsNone", With("secondsPerPoint", "0"), "from 1 to 10"},
        BadFile{"SecondsFraction", With("secondsPerPoint", "2.5"), "from 1 to 10"},
        BadFile{"SecondsAsText", With("secondsPerPoint", "\"2\""), "from 1 to 10"},
        BadFile{"OtherRound", With("round", "\"half\""),
                "\u201Cround\u201D should be \u201Cfull\u201D or \u201Cone-side\u201D"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PersonalFile, TheIssuesExampleReadsWithItsPace) {
    const PersonalSessionRead read = ParsePersonalSession(kExample);
    ASSERT_TRUE(read.session) << read.reason.toStdString();
    EXPECT_EQ(read.session->title, QStringLiteral("Fear of flying"));
    EXPECT_EQ(read.session->negative, QStringList({"My hands are wet.", "The engines roar."}));
    EXPECT_EQ(read.session->positive,
              QStringList({"I am safe in my seat.", "I can breathe slowly."}));
    EXPECT_EQ(read.session->secondsPerPoint, 2);
    EXPECT_EQ(read.session->round, RoundKind::Full);
}

TEST(PersonalFile, TheLimitsThemselvesAreAccepted) {
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"32 lines of 200 characters", With("negative", Lines(32, kLong200))},
        {"no pace of its own", With("title", "\"x\"")},
        {"one side, ten seconds",
         With("round", "\"one-side\"").replace("}", ", \"secondsPerPoint\": 10}")},
        {"a byte order mark first", "\xEF\xBB\xBF" + With("title", "\"x\"")},
        {"right to left words, emoji and accents",
         With("title", Text(QStringLiteral("\u05D4\u05E4\u05D7\u05D3 \U0001F622 e\u0301")))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PersonalSessionRead read = ParsePersonalSession(c.bytes);
        EXPECT_TRUE(read.session) << read.reason.toStdString();
    }
    EXPECT_FALSE(ParsePersonalSession(With("title", "\"x\"")).session->secondsPerPoint);
    EXPECT_FALSE(ParsePersonalSession(With("title", "\"x\"")).session->round);
}

TEST(PersonalFile, LinksAndFoldersAreRefusedWithoutFollowingThem) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("real.json"));
    ASSERT_TRUE(mindrova::testing::WriteTestFile(target, kExample));
    const QString link = dir.filePath(QStringLiteral("link.json"));
    ASSERT_TRUE(QFile::link(target, link));
    const PersonalSessionRead read = ReadPersonalSessionFile(link);
    EXPECT_FALSE(read.session);
    EXPECT_TRUE(read.reason.contains(QStringLiteral("link to another file")))
        << read.reason.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink()) << "the link is left where it is";

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.json")));
    EXPECT_FALSE(ReadPersonalSessionFile(dir.filePath(QStringLiteral("folder.json"))).session);
    EXPECT_FALSE(ReadPersonalSessionFile(dir.filePath(QStringLiteral("gone.json"))).session);
}

TEST(PersonalFile, WrittenPrivatelyInTheReadersOrderAndReadBackTheSame) {
    QTemporaryDir dir;
    PersonalSession session;
    session.title = QStringLiteral("Quotes \" and \u05D4\u05E4 \U0001F622");
    session.setup = QStringLiteral("Even though I \u201Cfly\u201D, I love and accept myself.");
    session.negative = {QStringLiteral("One."), QStringLiteral("Two\u00A0words.")};
    session.positive = {QStringLiteral("Calm.")};
    for (const auto& pace : {std::pair<std::optional<int>, std::optional<RoundKind>>{},
                             {7, RoundKind::OneSide},
                             {1, RoundKind::Full}}) {
        session.secondsPerPoint = pace.first;
        session.round = pace.second;
        const QString path = dir.filePath(QStringLiteral("s.json"));
        const mode_t before = ::umask(0);
        QString error;
        const bool written = WritePersonalSessionFile(path, session, &error);
        ::umask(before);
        ASSERT_TRUE(written) << error.toStdString();
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
        const PersonalSessionRead read = ReadPersonalSessionFile(path);
        ASSERT_TRUE(read.session) << read.reason.toStdString();
        EXPECT_EQ(*read.session, session);
    }
    session.secondsPerPoint = 3;
    session.round = RoundKind::OneSide;
    const QByteArray json = PersonalSessionJson(session);
    QList<qsizetype> at;
    for (const char* key : {"\"format\": 1", "\"title\"", "\"setup\"", "\"negative\"",
                            "\"positive\"", "\"secondsPerPoint\": 3", "\"round\": \"one-side\""}) {
        at << json.indexOf(key);
        EXPECT_GE(at.last(), 0) << key;
    }
    EXPECT_TRUE(std::is_sorted(at.begin(), at.end())) << json.toStdString();
    EXPECT_TRUE(json.contains("        \"Two\xC2\xA0words.\"\n    ]"))
        << "one line a row, as UTF-8";
}

TEST(PersonalFile, AWriteThatCannotBeMadeSaysWhy) {
    PersonalSession session{QStringLiteral("x"), QStringLiteral("y"), {"a"}, {"b"}, {}, {}};
    QString error;
    EXPECT_FALSE(
        WritePersonalSessionFile(QStringLiteral("/nonexistent/folder/x.json"), session, &error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
