// The sessions folder: every file read afresh, refused files named with their reason and left as
// they are, new files named safely from the title, imports checked and asked about, and sessions
// begun from the built-in issues with the session's own texts.
#include "personal/personal_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "fixtures/modal_recorder.h"
#include "fixtures/personal_sessions.h"
#include "fixtures/qstring_printer.h"
#include "personal/personal_file.h"
#include "personal/personal_from_issue.h"
#include "personal/personal_import.h"
#include "session/session_state.h"
#include "session/spoken_texts.h"

using namespace mindrova;
using mindrova::testing::FileBytes;
using mindrova::testing::PutSessionFile;
using mindrova::testing::TitledSession;
using mindrova::testing::WriteTestFile;

namespace {

QByteArray With10000Lines() {
    QByteArrayList lines(10000, "\"a\"");
    return "{\"format\": 1, \"title\": \"t\", \"setup\": \"s\", \"negative\": [" + lines.join(",") +
           "], \"positive\": [\"p\"]}";
}

std::vector<Issue> TenIssues() {
    const QList<Issue> issues = OfferedIssues();
    return {issues.begin(), issues.end()};
}

class SessionsFolder : public ::testing::Test {
protected:
    template <typename Content>
    QString Put(const QString& name, const Content& content) {
        return PutSessionFile(dir.filePath(name), content);
    }
    QTemporaryDir dir;
    mindrova::testing::ModalRecorder modal;
};

TEST_F(SessionsFolder, ListsGoodFilesByTitleAndNamesEveryRefusedOne) {
    Put(QStringLiteral("a.json"), TitledSession(QStringLiteral("Beta")));
    Put(QStringLiteral("b.json"), TitledSession(QStringLiteral("alpha")));
    const QString twin = Put(QStringLiteral("c.json"), TitledSession(QStringLiteral(" ALPHA")));
    Put(QStringLiteral("d.json"), QByteArray());
    Put(QStringLiteral("notes.txt"), "not a session");
    Put(QStringLiteral(".hidden.json"), "{");
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("a.json")), dir.filePath("link.json")));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("gone")), dir.filePath("broken.json")));

    const PersonalSessionListing listing = ListPersonalSessions(dir.path());
    QStringList titles;
    for (const PersonalSessionFile& f : listing.sessions) titles << f.session.title;
    EXPECT_EQ(titles, QStringList({"alpha", "Beta"}));
    EXPECT_EQ(listing.sessions.first().path, QDir(dir.path()).absoluteFilePath("b.json"));
    QStringList problems;
    for (const PersonalSessionProblem& p : listing.problems)
        problems << PersonalSessionProblemText(p);
    ASSERT_EQ(problems.size(), 4) << problems.join("\n").toStdString();
    EXPECT_TRUE(problems[0].startsWith("broken.json: The file is a link"))
        << problems[0].toStdString();
    EXPECT_EQ(
        problems[1],
        QStringLiteral("c.json: Its title \u201C ALPHA\u201D is already the title of b.json."));
    EXPECT_EQ(problems[2], QStringLiteral("d.json: The file is empty."));
    EXPECT_TRUE(problems[3].startsWith("link.json: The file is a link"));
    EXPECT_EQ(FileBytes(twin), PersonalSessionJson(TitledSession(QStringLiteral(" ALPHA"))))
        << "a refused file is left as it was";
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("d.json")));
}

TEST_F(SessionsFolder, AFileDroppedInShowsUpOnTheNextListingAndNoFolderIsNoSessions) {
    EXPECT_TRUE(ListPersonalSessions(dir.filePath("missing")).sessions.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing"))) << "listing makes no folder";
    EXPECT_TRUE(ListPersonalSessions(dir.path()).sessions.isEmpty());
    Put(QStringLiteral("by-hand.json"), TitledSession(QStringLiteral("By hand")));
    ASSERT_EQ(ListPersonalSessions(dir.path()).sessions.size(), 1);
}

TEST_F(SessionsFolder, NewFilesAreNamedFromTheTitleInsideTheFolderAndNeverReplaceOne) {
    const struct {
        const char* title;
        const char* name;
    } cases[] = {
        {"Fear of flying", "fear-of-flying.json"},
        {"../../x", "x.json"},
        {"..", "session.json"},
        {".hidden", "hidden.json"},
        {"Ängste: Ü-Bahn?", "ängste-ü-bahn.json"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(NewPersonalSessionPath(dir.path(), QString::fromUtf8(c.title)),
                  QDir(dir.path()).absoluteFilePath(QString::fromUtf8(c.name)));
    }
    Put(QStringLiteral("fear-of-flying.json"), "damaged");
    EXPECT_EQ(NewPersonalSessionPath(dir.path(), QStringLiteral("Fear of Flying")),
              QDir(dir.path()).absoluteFilePath("fear-of-flying-2.json"));

    const QString folder = dir.filePath(QStringLiteral("data/sessions"));
    QString error;
    const QString path = SaveNewPersonalSession(folder, TitledSession(QStringLiteral("x")), &error);
    ASSERT_FALSE(path.isEmpty()) << error.toStdString();
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(FileBytes(dir.filePath("fear-of-flying.json")), "damaged");
}

TEST_F(SessionsFolder, ImportWritesAFileOfOurOwnAndAsksBeforeReplacing) {
    QTemporaryDir elsewhere;
    const QString folder = dir.filePath(QStringLiteral("sessions"));
    const QString source = elsewhere.filePath(QStringLiteral("from-a-friend.json"));
    // Compact, with a byte order mark: the copy is written as we write every file.
    ASSERT_TRUE(WriteTestFile(source,
                              "\xEF\xBB\xBF{\"format\":1,\"title\":\"Flying\",\"setup\":\"S.\","
                              "\"negative\":[\"N.\"],\"positive\":[\"P.\"]}"));
    ImportOutcome first = ImportPersonalSession(folder, source);
    ASSERT_EQ(first.result, ImportResult::Imported) << first.message.toStdString();
    PersonalSession flying{QStringLiteral("Flying"), QStringLiteral("S."), {"N."}, {"P."}, {}, {}};
    EXPECT_EQ(FileBytes(first.path), PersonalSessionJson(flying));
    EXPECT_TRUE(modal.messages.isEmpty());

    const PersonalSession renamed{
        QStringLiteral("FLYING"), QStringLiteral("New."), {"N."}, {"P."}, 4, RoundKind::OneSide};
    ASSERT_TRUE(WriteTestFile(source, PersonalSessionJson(renamed)));
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        SCOPED_TRACE(answer == MessageAnswer::Yes ? "replace" : "keep");
        modal.messages.clear();
        modal.setNextAnswer(answer);
        const ImportOutcome again = ImportPersonalSession(folder, source);
        ASSERT_EQ(modal.messages.size(), 1);
        EXPECT_EQ(modal.messages[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(modal.messages[0].defaultAnswer, MessageAnswer::No);
        EXPECT_TRUE(modal.messages[0].text.contains(QStringLiteral("\u201CFlying\u201D")));
        EXPECT_TRUE(modal.messages[0].text.contains(source));
        const PersonalSessionListing listing = ListPersonalSessions(folder);
        ASSERT_EQ(listing.sessions.size(), 1) << "never a second file of the same title";
        EXPECT_EQ(listing.sessions[0].path, first.path);
        if (answer == MessageAnswer::No) {
            EXPECT_EQ(again.result, ImportResult::Declined);
            EXPECT_EQ(listing.sessions[0].session, flying);
        } else {
            EXPECT_EQ(again.result, ImportResult::Replaced);
            EXPECT_EQ(listing.sessions[0].session.setup, QStringLiteral("New."));
            EXPECT_EQ(listing.sessions[0].session.secondsPerPoint, 4);
        }
    }
}

TEST_F(SessionsFolder, ARefusedImportNamesTheFileAndItsReasonAndChangesNothing) {
    const QString source = Put(QStringLiteral("mine.json"), With10000Lines());
    const QString folder = dir.filePath(QStringLiteral("sessions"));
    const ImportOutcome outcome = ImportPersonalSession(folder, source);
    EXPECT_EQ(outcome.result, ImportResult::Refused);
    EXPECT_TRUE(outcome.message.contains(source)) << outcome.message.toStdString();
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("There are 10000 negative lines")));
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_EQ(FileBytes(source), With10000Lines());
}

class FromIssue : public ::testing::TestWithParam<Issue> {};

TEST_P(FromIssue, CarriesTheIssuesNameStatementAndOneLinePerPointAsTheSessionShowsThem) {
    const Issue issue = GetParam();
    for (const QString& words : {QString(), QStringLiteral("my fear of the dark")}) {
        SCOPED_TRACE(words.toStdString());
        const PersonalSession session = PersonalSessionFromIssue(issue, words);
        EXPECT_EQ(session.title, GetIssueName(issue));
        EXPECT_TRUE(session.setup.startsWith(QStringLiteral("Even though ")));
        EXPECT_TRUE(
            session.setup.endsWith(QStringLiteral("I love and accept myself with all my heart.")));
        EXPECT_TRUE(GetStringForActivationStep(issue, words).endsWith(session.setup));
        EXPECT_EQ(session.setup.contains(QStringLiteral("the dark")), !words.isEmpty());
        EXPECT_FALSE(session.secondsPerPoint);
        EXPECT_FALSE(session.round);
        EXPECT_EQ(PersonalSessionFault(session), QString()) << "it can be saved as it is";
        for (const bool positive : {false, true}) {
            SessionState state;
            state.genmSelectedIssue = issue;
            state.gblnPositiveSequence = positive;
            const QStringList& lines = positive ? session.positive : session.negative;
            ASSERT_FALSE(lines.isEmpty());
            // Every point of a round shows the line the session would show there.
            Step step = estTopHead1;
            for (int point = 0; point < 16; ++point, step = GetNextStep(step)) {
                state.genmCurrentStep = step;
                EXPECT_EQ(lines.at(point % lines.size()),
                          PhraseLineForPoint(PhraseLines(step, state), PointIndexInRound(step)))
                    << "point " << point;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TheTenIssues, FromIssue, ::testing::ValuesIn(TenIssues()),
                         [](const auto& info) { return std::to_string(int(info.param)); });

}  // namespace
