// The journal following a real session controller: what is written, when, and how a problem
// with the file is told without stopping the session.
#include "journal/journal_recorder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "fixtures/fake_session_view.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/personal_sessions.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/qt_application.h"
#include "fixtures/settings_folder.h"
#include "fixtures/test_files.h"
#include "journal/journal_setting.h"
#include "session/session_controller.h"
#include "support/settings_store.h"

using namespace mindrova;
using mindrova::testing::FakeSessionView;
using mindrova::testing::ModalRecorder;

namespace {

class Recording : public ::testing::Test {
protected:
    void SetUp() override {
        mindrova::testing::Application();
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("Mindrova/journal.sqlite"));
        recorder = std::make_unique<JournalRecorder>(path);
        controller.AddListener(recorder.get());
        controller.StartSession();
        controller.Form_Activate();
    }
    void TearDown() override {
        controller.RemoveListener(recorder.get());
        recorder.reset();
    }
    Step Current() const { return controller.State().genmCurrentStep; }

    // Intro -> Select Issue (with words) -> Assign SUD rated `first` -> tapping -> Reassess.
    void ToReassess(int first, const QString& words = {}) {
        controller.Next();
        controller.radMode_Click(5);
        controller.SetOwnWords(words);
        controller.Next();
        ASSERT_EQ(Current(), estAssignSUD);
        controller.radSUD_Click(first);
        // thymus, hand, explanation, round 1, relax, round 3, reassess
        for (int i = 0; i < 7; ++i) controller.Next();
        ASSERT_EQ(Current(), estReassessSUD);
    }
    QList<JournalEntry> Entries() {
        recorder->Flush();
        JournalStore store(path);
        if (!QFile::exists(path) || !store.Open()) return {};
        return store.LoadAll();
    }

    QTemporaryDir dir;
    QString path;
    ModalRecorder modal;
    FakeSessionView view;
    SessionController controller{view};
    std::unique_ptr<JournalRecorder> recorder;
};

TEST_F(Recording, NothingIsWrittenOrOpenedWhileTheJournalIsOff) {
    ToReassess(8, QStringLiteral("words"));
    controller.radSUD_Click(3);
    controller.Next();
    controller.cmdFinish_Click();
    recorder->Flush();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("Mindrova"))).exists());
    EXPECT_TRUE(modal.messages.isEmpty());
}

TEST_F(Recording, OneEntryASessionWithEveryRatingInOrder) {
    recorder->SetEnabled(true);
    const QString words = QStringLiteral("the \"storm\" \U0001F329 \u05D4\u05E4");
    ToReassess(8, words);
    EXPECT_TRUE(Entries().isEmpty()) << "nothing before the user rates again";
    controller.radSUD_Click(5);
    controller.Next();  // on tapping
    QList<JournalEntry> entries = Entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].firstRating, 8);
    EXPECT_EQ(entries[0].laterRatings, (QList<int>{5}));

    controller.Next();
    ASSERT_EQ(Current(), estReassessSUD);
    controller.radSUD_Click(1);
    controller.cmdFinish_Click();
    entries = Entries();
    ASSERT_EQ(entries.size(), 1) << "the same session replaces its entry";
    const JournalEntry& e = entries[0];
    EXPECT_EQ(e.issue, GetIssueName(IssueOptIndexToEnum(5)));
    EXPECT_EQ(e.ownWords, words);
    EXPECT_EQ(e.firstRating, 8);
    EXPECT_EQ(e.laterRatings, (QList<int>{5, 1}));
    EXPECT_EQ(e.rounds, 3) << "two negative rounds, then the positive ones begun";
    EXPECT_LE(qAbs(e.started.secsTo(QDateTime::currentDateTime())), 60);
    EXPECT_TRUE(modal.messages.isEmpty());

    // Back to the issue list and on from Assign SUD: a second entry.
    controller.Previous();
    controller.Next();
    controller.radSUD_Click(6);
    controller.Next();
    controller.cmdFinish_Click();
    entries = Entries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].firstRating, 6);
    EXPECT_TRUE(entries[0].laterRatings.isEmpty());

    // Back to the list and straight to Finish: no rating, so neither entry changes.
    controller.Previous();
    ASSERT_EQ(Current(), estSelectIssue);
    controller.SetOwnWords(QStringLiteral("other words"));
    controller.cmdFinish_Click();
    EXPECT_EQ(Entries(), entries);
}

struct WorkCase {
    const char* name;
    bool personal;
    bool thenNone;  // the personal session chosen, then none
    RoundKind round;
    QString issue;
    QString ownWords;
    int rounds;
    friend void PrintTo(const WorkCase& c, std::ostream* out) { *out << c.name; }
};

class RecordingWork : public Recording, public ::testing::WithParamInterface<WorkCase> {};

// Round 1 is tapped past its eighth point before going on to the positive rounds: with one side
// a round, the right side began a round of its own.
TEST_P(RecordingWork, TheEntryNamesWhatTheSessionWorkedOnAndCountsItsRounds) {
    const WorkCase& c = GetParam();
    recorder->SetEnabled(true);
    controller.SetPace({2, c.round});
    controller.Next();
    controller.radMode_Click(5);
    ASSERT_TRUE(controller.SetOwnWords(QStringLiteral("the lake")));
    if (c.personal) controller.ChoosePersonalSession(mindrova::testing::MakePersonalSession(2, 2));
    if (c.thenNone) controller.ChoosePersonalSession(std::nullopt);
    controller.Next();
    controller.radSUD_Click(7);
    for (int i = 0; i < 4; ++i) controller.Next();  // thymus, hand, explanation, round 1
    for (int i = 0; i < 8 * 200 + 1 && view.timerEnabled; ++i) controller.tmrSteps_Timer();
    ASSERT_EQ(Current(), estTopHead2);
    for (int i = 0; i < 3; ++i) controller.Next();  // relax, round 3, reassess
    ASSERT_EQ(Current(), estReassessSUD);
    controller.radSUD_Click(4);
    controller.cmdFinish_Click();
    const QList<JournalEntry> entries = Entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].issue, c.issue);
    EXPECT_EQ(entries[0].ownWords, c.ownWords);
    EXPECT_EQ(entries[0].rounds, c.rounds);
    EXPECT_EQ(entries[0].laterRatings, (QList<int>{4}));
}

INSTANTIATE_TEST_SUITE_P(Rows, RecordingWork,
                         ::testing::Values(WorkCase{"IssueAsBefore", false, false, RoundKind::Full,
                                                    "Negative memory", "the lake", 2},
                                           WorkCase{"PersonalTitleWithoutOwnWords", true, false,
                                                    RoundKind::Full, "Fear of flying", "", 2},
                                           WorkCase{"OneSideCountsEachSideAsARound", true, false,
                                                    RoundKind::OneSide, "Fear of flying", "", 3},
                                           WorkCase{"BackToTheIssue", true, true,
                                                    RoundKind::OneSide, "Negative memory",
                                                    "the lake", 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Recording, FinishWithoutARatingWritesNothing) {
    recorder->SetEnabled(true);
    controller.Next();
    controller.cmdFinish_Click();
    EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(Recording, TheWriteIsQueuedSoTheStepChangeReturnsFirst) {
    recorder->SetEnabled(true);
    ToReassess(4);
    controller.cmdFinish_Click();
    // The step change has returned; the entry is written on the writer's thread after it.
    EXPECT_EQ(Current(), estFinish);
    EXPECT_EQ(Entries().size(), 1);
}

struct FaultCase {
    const char* name;
    std::function<void(const QString& path)> prepare;
    int entriesAfter;  // in the journal file at the path afterwards, -1: not readable
    const char* told;  // a piece of the one message
    friend void PrintTo(const FaultCase& row, std::ostream* out) { *out << row.name; }
};

class RecordingFault : public Recording, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(RecordingFault, IsToldOnceAndTheSessionGoesOn) {
    GetParam().prepare(path);
    recorder->SetEnabled(true);
    QStringList notices;
    QObject::connect(recorder.get(), &JournalRecorder::problemNoticed,
                     [&notices](const QString& notice) { notices << notice; });
    for (int session = 0; session < 2; ++session) {
        ToReassess(7);
        controller.radSUD_Click(2);
        controller.cmdFinish_Click();
        EXPECT_EQ(Current(), estFinish);
        recorder->Flush();
        controller.Previous();
        ASSERT_EQ(Current(), estSelectIssue);
        controller.Previous();
    }
    // A box in the middle of the session would take its next key: a notice is told instead.
    EXPECT_TRUE(modal.messages.isEmpty()) << modal.texts().join(u'|').toStdString();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_FALSE(notices[0].isEmpty());
    EXPECT_TRUE(recorder->ProblemText().contains(QLatin1String(GetParam().told)))
        << recorder->ProblemText().toStdString();
    if (GetParam().entriesAfter >= 0) {
        EXPECT_EQ(Entries().size(), GetParam().entriesAfter);
    }
}

void MakeFolderFor(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RecordingFault,
    ::testing::Values(FaultCase{"NotADatabase",
                                [](const QString& path) {
                                    MakeFolderFor(path);
                                    mindrova::testing::WriteTestFile(path, QByteArray(5000, 'z'));
                                },
                                2, "kept unchanged as"},
                      FaultCase{"NewerLayout",
                                [](const QString& path) {
                                    MakeFolderFor(path);
                                    {
                                        QSqlDatabase db = QSqlDatabase::addDatabase(
                                            QStringLiteral("QSQLITE"), QStringLiteral("newer"));
                                        db.setDatabaseName(path);
                                        db.open();
                                        QSqlQuery(db).exec(
                                            QStringLiteral("PRAGMA user_version = 99"));
                                    }
                                    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
                                },
                                -1, "newer version"},
                      FaultCase{"FolderCannotBeMade",
                                [](const QString& path) {
                                    // A file where the folder should be.
                                    mindrova::testing::WriteTestFile(
                                        QFileInfo(path).absolutePath());
                                },
                                -1, "could not be written just now"}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST_F(Recording, EntriesThatFailedAreWrittenOnceTheFileCanBeWrittenAgain) {
    const QString folder = QFileInfo(path).absolutePath();
    ASSERT_TRUE(mindrova::testing::WriteTestFile(folder));
    recorder->SetEnabled(true);
    ToReassess(9);
    controller.radSUD_Click(6);
    controller.Next();
    recorder->Flush();
    EXPECT_EQ(recorder->ProblemsTold(), 1);
    EXPECT_TRUE(modal.messages.isEmpty());
    ASSERT_TRUE(QFile::remove(folder));  // the way is clear again
    controller.Next();
    controller.radSUD_Click(3);
    controller.cmdFinish_Click();
    const QList<JournalEntry> entries = Entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].laterRatings, (QList<int>{6, 3}));
}

// What the journal window may do between two ratings of one session, with the writer's
// connection closed while it is open.
struct WindowCase {
    const char* name;
    std::function<void(const QString& path)> inTheWindow;
    QList<int> laterRatingsAfter;  // of this session's entry; empty: no entry
    friend void PrintTo(const WindowCase& row, std::ostream* out) { *out << row.name; }
};

class RecordingAroundTheWindow : public Recording,
                                 public ::testing::WithParamInterface<WindowCase> {};

TEST_P(RecordingAroundTheWindow, TheNextRatingRespectsWhatTheWindowDid) {
    recorder->SetEnabled(true);
    ToReassess(9);
    controller.radSUD_Click(6);
    controller.Next();
    ASSERT_EQ(Entries().size(), 1);
    recorder->CloseFile();
    GetParam().inTheWindow(path);
    controller.Next();
    ASSERT_EQ(Current(), estReassessSUD);
    controller.radSUD_Click(3);
    controller.cmdFinish_Click();
    const QList<JournalEntry> entries = Entries();
    if (GetParam().laterRatingsAfter.isEmpty()) {
        EXPECT_TRUE(entries.isEmpty());
    } else {
        ASSERT_EQ(entries.size(), 1);
        EXPECT_EQ(entries[0].laterRatings, GetParam().laterRatingsAfter);
    }
    EXPECT_TRUE(modal.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Window, RecordingAroundTheWindow,
    ::testing::Values(WindowCase{"NothingChanged", [](const QString&) {}, {6, 3}},
                      WindowCase{"EntryDeleted",
                                 [](const QString& path) {
                                     JournalStore store(path);
                                     ASSERT_TRUE(store.Open());
                                     const QList<JournalEntry> entries = store.LoadAll();
                                     ASSERT_EQ(entries.size(), 1);
                                     ASSERT_TRUE(store.Remove(entries[0].key));
                                 },
                                 {}},
                      WindowCase{"AllDeleted",
                                 [](const QString& path) {
                                     JournalStore store(path);
                                     ASSERT_TRUE(store.Open());
                                     ASSERT_TRUE(store.RemoveAll());
                                 },
                                 {}},
                      // The window found the file damaged and started a fresh one: the session's
                      // entry goes there whole.
                      WindowCase{"FileKeptAsideByTheWindow",
                                 [](const QString& path) {
                                     ASSERT_TRUE(mindrova::testing::WriteTestFile(
                                         path, QByteArray(4096, 'd')));
                                     JournalStore store(path);
                                     ASSERT_TRUE(store.Open());
                                     ASSERT_EQ(store.Problem(), JournalProblem::Damaged);
                                 },
                                 {6, 3}}),
    [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

TEST_F(Recording, TheEndOfTheSessionWritesWhatIsQueued) {
    recorder->SetEnabled(true);
    ToReassess(5);
    controller.cmdFinish_Click();
    controller.EndSession();  // returns only when the writer is done
    JournalStore store(path);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(store.LoadAll().size(), 1);
}

TEST(JournalSettingTest, OffUnlessSavedOnInItsOwnGroup) {
    QTemporaryDir dir;
    SetSettingsFolder(dir.path());
    EXPECT_FALSE(JournalEnabledSetting());
    ASSERT_TRUE(SaveJournalEnabledSetting(true));
    EXPECT_TRUE(JournalEnabledSetting());
    const QByteArray text = mindrova::testing::FileBytes(mindrova::testing::ConfPathIn(dir.path()));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(text.contains("[Journal]")) << text.toStdString();
    EXPECT_TRUE(text.contains("Enabled=1")) << text.toStdString();
    ASSERT_TRUE(SaveJournalEnabledSetting(false));
    EXPECT_FALSE(JournalEnabledSetting());
    SetSettingsFolder({});
}

struct HostileSetting {
    const char* name;
    QByteArray value;  // written as it stands after "Enabled="
    friend void PrintTo(const HostileSetting& row, std::ostream* out) { *out << row.name; }
};

class JournalSettingHostile : public ::testing::TestWithParam<HostileSetting> {};

// A value that cannot be read never turns the journal off, and the next choice is saved whole.
TEST_P(JournalSettingHostile, KeepsTheJournalOnAndTheNextChoiceIsSaved) {
    QTemporaryDir dir;
    SetSettingsFolder(dir.path());
    ASSERT_TRUE(mindrova::testing::WriteConfIn(dir.path(),
                                               "[Journal]\nEnabled=" + GetParam().value + "\n"));
    EXPECT_TRUE(JournalEnabledSetting());
    ASSERT_TRUE(SaveJournalEnabledSetting(false));
    EXPECT_FALSE(JournalEnabledSetting());
    SetSettingsFolder({});
}

INSTANTIATE_TEST_SUITE_P(
    Values, JournalSettingHostile,
    ::testing::Values(HostileSetting{"RichText", "<h1>Please call 555-0100</h1><img src=x>"},
                      HostileSetting{"VeryLong", QByteArray(10000, '9')},
                      HostileSetting{"Nul", QByteArray("\0", 1)},
                      HostileSetting{"InvalidUtf8", "\xff\xfe\xc3"}),
    [](const ::testing::TestParamInfo<HostileSetting>& info) {
        return std::string(info.param.name);
    });

}  // namespace
