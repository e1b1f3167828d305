// The journal file for real: SQLite files in a temporary folder, damaged, foreign, newer, full,
// shared by two copies and killed in the middle of a write.
#include "journal/journal_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "fixtures/qstring_printer.h"
#include "fixtures/qt_application.h"
#include "fixtures/test_files.h"
#include "fixtures/unprivileged_user.h"
#include "journal/journal_files.h"
#include "journal/journal_schema.h"

using namespace mindrova;

namespace {

JournalEntry Entry(const QString& key, int first, QList<int> later = {}, QString words = {}) {
    JournalEntry e;
    e.key = key;
    e.started = QDateTime::currentDateTime();
    e.issue = QStringLiteral("Negative Memory");
    e.ownWords = std::move(words);
    e.firstRating = first;
    e.laterRatings = std::move(later);
    e.rounds = 2;
    e.minutes = 9;
    return e;
}

QByteArray Digest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Runs statements on a file with a connection of its own, as another program would.
void RunOnFile(const QString& path, const QStringList& statements) {
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const QString& s : statements) ASSERT_TRUE(query.exec(s)) << s.toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
}

void CorruptPages(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_GT(file.size(), 4 * 4096);
    file.seek(4096);
    file.write(QByteArray(3 * 4096, char(0xA5)));
}

// The damage cases reach the folder and the file from outside the fixture.
class Journal : public ::testing::Test {
public:
    void SetUp() override {
        mindrova::testing::Application();
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("journal.sqlite"));
    }
    QStringList KeptAside() const {
        return QDir(dir.path()).entryList({QStringLiteral("journal.damaged-*.sqlite")});
    }
    void WriteFile(const QByteArray& bytes) { mindrova::testing::WriteTestFile(path, bytes); }

    QTemporaryDir dir;
    QString path;
};

TEST_F(Journal, EntriesRoundTripExactlyNewestFirstAndReplaceByKey) {
    JournalStore store(path);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(store.Problem(), JournalProblem::None);
    const QString words[] = {
        QStringLiteral("\"quoted\" [bracketed] 'single' , comma"),
        QStringLiteral("\U0001F622\U0001F44D emoji"),
        QStringLiteral("\u05D4\u05E4\u05D7\u05D3 \u0645\u0631\u062D\u0628\u0627"),
        QString(120, QChar(0x00E9)),
        QStringLiteral("=1+2; DROP TABLE entry; --"),
    };
    QList<JournalEntry> saved;
    for (int i = 0; i < 5; ++i) {
        JournalEntry e = Entry(QStringLiteral("k%1").arg(i), i, {i + 1, i}, words[i]);
        e.started = QDateTime(QDate(2026, 1, 1 + i), QTime(10, 0, 0, 250));
        ASSERT_TRUE(store.Save(e)) << store.ErrorText().toStdString();
        saved.prepend(e);
    }
    EXPECT_EQ(store.LoadAll(), saved);

    JournalEntry again = saved.last();  // the oldest, rated once more
    again.laterRatings << 0;
    again.minutes = 30;
    ASSERT_TRUE(store.Save(again));
    QList<JournalEntry> loaded = store.LoadAll();
    ASSERT_EQ(loaded.size(), 5);
    EXPECT_EQ(loaded.last(), again);

    ASSERT_TRUE(store.Remove(QStringLiteral("k2")));
    EXPECT_EQ(store.LoadAll().size(), 4);
    // A later write of a deleted entry that may only replace it leaves it deleted.
    ASSERT_TRUE(store.Save(Entry(QStringLiteral("k2"), 1), SaveMode::ReplaceOnly));
    EXPECT_EQ(store.LoadAll().size(), 4);
    JournalEntry replaced = Entry(QStringLiteral("k3"), 10);
    ASSERT_TRUE(store.Save(replaced, SaveMode::ReplaceOnly));
    EXPECT_EQ(store.LoadAll().size(), 4);
    EXPECT_TRUE(store.LoadAll().contains(replaced));
    ASSERT_TRUE(store.RemoveAll());
    EXPECT_TRUE(store.LoadAll().isEmpty());
}

TEST_F(Journal, NewFileIsPrivateWriteAheadAndCarriesItsLayoutVersion) {
    {
        JournalStore store(path);
        ASSERT_TRUE(store.Open());
        ASSERT_TRUE(store.Save(Entry(QStringLiteral("a"), 5)));
        QSqlQuery query(QSqlDatabase::database(store.ConnectionName()));
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA journal_mode")) && query.next());
        EXPECT_EQ(query.value(0).toString(), QStringLiteral("wal"));
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA user_version")) && query.next());
        EXPECT_EQ(query.value(0).toInt(), JOURNAL_SCHEMA_VERSION);
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA synchronous")) && query.next());
        EXPECT_EQ(query.value(0).toInt(), 1) << "NORMAL with the write-ahead log";
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA secure_delete")) && query.next());
        EXPECT_EQ(query.value(0).toInt(), 1) << "set by the journal, not left to the build";
        EXPECT_EQ(store.JournalMode(), QStringLiteral("wal"));
    }
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "owner only; group and others get nothing";
}

TEST_F(Journal, DefaultPathIsInTheApplicationDataFolder) {
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
    QCoreApplication::setOrganizationName(QStringLiteral("Quellbrook"));
    QCoreApplication::setApplicationName(QStringLiteral("Mindrova"));
    EXPECT_EQ(JournalStore::DefaultPath(),
              dir.path() + QStringLiteral("/Quellbrook/Mindrova/journal.sqlite"));
    JournalStore store(JournalStore::DefaultPath());
    EXPECT_TRUE(store.Open());
    EXPECT_TRUE(QFile::exists(JournalStore::DefaultPath()));
}

mode_t Mode(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return 0;
    return info.st_mode & 0777;
}

struct FolderCase {
    const char* name;
    QStringList existing;  // folders under the data folder there before, made 0755
    QStringList made;      // folders the journal makes: 0700
    friend void PrintTo(const FolderCase& row, std::ostream* out) { *out << row.name; }
};

class JournalFolders : public Journal, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(JournalFolders, EveryLevelMadeIsPrivateAndEveryOtherLeftAsItWas) {
    const QString data = dir.filePath(QStringLiteral("data"));
    ASSERT_TRUE(QDir().mkpath(data));
    for (const QString& folder : GetParam().existing) {
        ASSERT_TRUE(QDir().mkpath(data + folder));
        ASSERT_EQ(::chmod(QFile::encodeName(data + folder).constData(), 0755), 0);
    }
    JournalStore store(data + QStringLiteral("/Quellbrook/Mindrova/journal.sqlite"));
    ASSERT_TRUE(store.Open()) << store.ErrorText().toStdString();
    for (const QString& folder : GetParam().existing) {
        EXPECT_EQ(Mode(data + folder), 0755u) << folder.toStdString();
    }
    for (const QString& folder : GetParam().made) {
        EXPECT_EQ(Mode(data + folder), 0700u) << folder.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Private, JournalFolders,
                         ::testing::Values(FolderCase{"BothMade",
                                                      {},
                                                      {QStringLiteral("/Quellbrook"),
                                                       QStringLiteral("/Quellbrook/Mindrova")}},
                                           FolderCase{"MakerFolderThereBefore",
                                                      {QStringLiteral("/Quellbrook")},
                                                      {QStringLiteral("/Quellbrook/Mindrova")}},
                                           FolderCase{"BothThereBefore",
                                                      {QStringLiteral("/Quellbrook"),
                                                       QStringLiteral("/Quellbrook/Mindrova")},
                                                      {}}),
                         [](const ::testing::TestParamInfo<FolderCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(Journal, WithoutAWriteAheadLogTheRollbackJournalIsSyncedAndDeletedWithTheRest) {
    JournalStore store(path);
    store.SetVfs(QStringLiteral("unix-none"));  // no shared memory: no write-ahead log
    ASSERT_TRUE(store.Open()) << store.ErrorText().toStdString();
    EXPECT_EQ(store.JournalMode(), QStringLiteral("delete"));
    {
        QSqlQuery query(QSqlDatabase::database(store.ConnectionName()));
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA synchronous")) && query.next());
        EXPECT_EQ(query.value(0).toInt(), 2) << "FULL without the log";
    }
    ASSERT_TRUE(store.Save(Entry(QStringLiteral("a"), 5, {2}, QStringLiteral("kept"))));
    EXPECT_EQ(store.LoadAll().size(), 1);
    store.Close();
    // A rollback journal left behind when the program was killed in the middle of a write.
    ASSERT_TRUE(mindrova::testing::WriteTestFile(path + QStringLiteral("-journal")));
    EXPECT_TRUE(DeleteJournalFiles(path, false));
    for (const QString& file : CompanionFiles(path)) {
        EXPECT_FALSE(QFile::exists(file)) << file.toStdString();
    }
}

TEST_F(Journal, DeletedEntriesLeaveNoTraceInTheFileOrItsLog) {
    const QByteArray secret = "remembered-only-by-the-journal";
    JournalStore store(path);
    ASSERT_TRUE(store.Open());
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(store.Save(Entry(QString::number(i), 6, {4}, QString::fromLatin1(secret))));
    }
    ASSERT_TRUE(store.Remove(QStringLiteral("3")));
    ASSERT_TRUE(store.RemoveAll());
    for (const QString& file : CompanionFiles(path)) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) continue;
        EXPECT_FALSE(f.readAll().contains(secret)) << file.toStdString();
    }
}

TEST_F(Journal, AnEmptyFileOfTheOldestLayoutIsMigrated) {
    WriteFile({});
    JournalStore store(path);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(store.Problem(), JournalProblem::None);
    EXPECT_TRUE(store.Save(Entry(QStringLiteral("a"), 3)));
    EXPECT_TRUE(KeptAside().isEmpty());
}

TEST_F(Journal, MigrationRefusesVersionsItHasNoWayFrom) {
    JournalStore store(path);
    ASSERT_TRUE(store.Open());
    QSqlDatabase db = QSqlDatabase::database(store.ConnectionName());
    QString error;
    EXPECT_TRUE(MigrateJournal(db, JOURNAL_SCHEMA_VERSION, &error));
    EXPECT_FALSE(MigrateJournal(db, JOURNAL_SCHEMA_VERSION + 1, &error));
    EXPECT_FALSE(MigrateJournal(db, -1, &error));
    // Running the first step again fails inside its transaction and leaves the entries alone.
    ASSERT_TRUE(store.Save(Entry(QStringLiteral("a"), 3)));
    EXPECT_FALSE(MigrateJournal(db, 0, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(store.LoadAll().size(), 1);
}

struct DamageCase {
    const char* name;
    std::function<void(Journal&)> damage;
    friend void PrintTo(const DamageCase& row, std::ostream* out) { *out << row.name; }
};

class DamagedJournal : public Journal, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedJournal, IsKeptAsideUnchangedAndAFreshOneStarted) {
    GetParam().damage(*this);
    const QByteArray before = Digest(path);
    ASSERT_FALSE(before.isEmpty());
    JournalStore store(path);
    ASSERT_TRUE(store.Open()) << store.ErrorText().toStdString();
    EXPECT_EQ(store.Problem(), JournalProblem::Damaged);
    ASSERT_EQ(KeptAside().size(), 1);
    EXPECT_EQ(store.KeptAside(), dir.filePath(KeptAside().first()));
    EXPECT_EQ(Digest(store.KeptAside()), before) << "the damaged file is kept byte for byte";
    EXPECT_TRUE(store.LoadAll().isEmpty());
    EXPECT_TRUE(store.Save(Entry(QStringLiteral("new"), 4)));
    EXPECT_EQ(store.LoadAll().size(), 1);

    // Opened again, the fresh journal is fine and nothing more is moved.
    JournalStore again(path);
    ASSERT_TRUE(again.Open());
    EXPECT_EQ(again.Problem(), JournalProblem::None);
    EXPECT_EQ(KeptAside().size(), 1);
    EXPECT_EQ(DamagedCopies(path), QStringList{store.KeptAside()});

    // Deleting everything takes the copy kept aside with it.
    store.Close();
    again.Close();
    EXPECT_TRUE(DeleteJournalFiles(path, true));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedJournal,
    ::testing::Values(
        DamageCase{
            "NotADatabase",
            [](Journal& j) { j.WriteFile(QByteArray("my diary, in plain text\n").repeated(300)); }},
        DamageCase{"CorruptPages",
                   [](Journal& j) {
                       {
                           JournalStore store(j.path);
                           ASSERT_TRUE(store.Open());
                           for (int i = 0; i < 60; ++i) {
                               ASSERT_TRUE(store.Save(Entry(QString::number(i), 5, {3},
                                                            QString(150, QLatin1Char('x')))));
                           }
                       }
                       CorruptPages(j.path);
                   }},
        DamageCase{"SomeOtherDatabase",
                   [](Journal& j) {
                       RunOnFile(j.path, {QStringLiteral("CREATE TABLE songs (title TEXT)"),
                                          QStringLiteral("INSERT INTO songs VALUES ('x')")});
                   }}),
    [](const ::testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });

// Whoever holds the journal while it is found damaged, with a connection that has read its first
// page (the damage lies further in); returns what lets go of it. Between the two the test opens
// and closes no descriptor of the file: that would drop the locks of a holder in this process.
struct HolderCase {
    const char* name;
    std::function<std::function<void()>(const QString& path)> hold;
    friend void PrintTo(const HolderCase& row, std::ostream* out) { *out << row.name; }
};

class DamagedJournalInUse : public Journal, public ::testing::WithParamInterface<HolderCase> {};

TEST_P(DamagedJournalInUse, IsLeftAloneUntilNoConnectionHoldsIt) {
    {
        JournalStore store(path);
        ASSERT_TRUE(store.Open());
        for (int i = 0; i < 60; ++i) {
            ASSERT_TRUE(
                store.Save(Entry(QString::number(i), 5, {3}, QString(150, QLatin1Char('x')))));
        }
    }
    CorruptPages(path);
    const QByteArray before = Digest(path);
    const std::function<void()> letGo = GetParam().hold(path);
    ASSERT_TRUE(letGo);

    JournalStore store(path);
    EXPECT_FALSE(store.Open());
    EXPECT_EQ(store.Problem(), JournalProblem::DamagedInUse);
    EXPECT_TRUE(KeptAside().isEmpty()) << "the holder would write on into the copy";
    EXPECT_FALSE(store.Save(Entry(QStringLiteral("new"), 4)));
    letGo();
    EXPECT_EQ(Digest(path), before) << "left as it was";

    ASSERT_TRUE(store.Open()) << store.ErrorText().toStdString();
    EXPECT_EQ(store.Problem(), JournalProblem::Damaged);
    EXPECT_EQ(KeptAside().size(), 1);
    EXPECT_TRUE(store.Save(Entry(QStringLiteral("new"), 4)));
}

QString HelperPath();

INSTANTIATE_TEST_SUITE_P(
    Holders, DamagedJournalInUse,
    ::testing::Values(
        // A connection of this very program, as the session's writer was to the journal window.
        HolderCase{"ThisProcess",
                   [](const QString& path) -> std::function<void()> {
                       const QString name = QStringLiteral("holder");
                       {
                           QSqlDatabase db =
                               QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                           db.setDatabaseName(path);
                           if (!db.open() || !QSqlQuery(db).exec(QStringLiteral(
                                                 "SELECT count(*) FROM sqlite_master"))) {
                               return {};
                           }
                       }
                       return [name] {
                           QSqlDatabase::database(name, false).close();
                           QSqlDatabase::removeDatabase(name);
                       };
                   }},
        // Another running copy of the program.
        HolderCase{"AnotherProcess",
                   [](const QString& path) -> std::function<void()> {
                       auto copy = std::make_shared<QProcess>();
                       copy->start(HelperPath(), {path, QStringLiteral("hold")});
                       if (!copy->waitForReadyRead(20000)) return {};
                       if (!copy->readAllStandardOutput().contains("holding")) return {};
                       return [copy] {
                           copy->closeWriteChannel();
                           copy->waitForFinished(20000);
                       };
                   }}),
    [](const ::testing::TestParamInfo<HolderCase>& info) { return std::string(info.param.name); });

TEST_F(Journal, NewerLayoutIsLeftAsItIs) {
    RunOnFile(path, {QStringLiteral("CREATE TABLE entry (key TEXT, future BLOB)"),
                     QStringLiteral("PRAGMA user_version = 7")});
    const QByteArray before = Digest(path);
    JournalStore store(path);
    EXPECT_FALSE(store.Open());
    EXPECT_EQ(store.Problem(), JournalProblem::NewerLayout);
    EXPECT_FALSE(store.Save(Entry(QStringLiteral("a"), 1)));
    EXPECT_EQ(Digest(path), before);
    EXPECT_TRUE(KeptAside().isEmpty());
}

TEST_F(Journal, AFolderThatCannotBeMadeLeavesTheJournalUnavailable) {
    // A file stands where the folder would go.
    ASSERT_TRUE(mindrova::testing::WriteTestFile(dir.filePath(QStringLiteral("data"))));
    JournalStore store(dir.filePath(QStringLiteral("data/Mindrova/journal.sqlite")));
    EXPECT_FALSE(store.Open());
    EXPECT_EQ(store.Problem(), JournalProblem::Unavailable);
    EXPECT_FALSE(store.Save(Entry(QStringLiteral("a"), 1)));
    EXPECT_TRUE(store.LoadAll().isEmpty());
}

TEST_F(Journal, AReadOnlyFolderLeavesTheJournalUnavailable) {
    MINDROVA_RUN_AS_UNPRIVILEGED_USER();
    const QString folder = dir.filePath(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    JournalStore store(folder + QStringLiteral("/journal.sqlite"));
    EXPECT_FALSE(store.Open());
    EXPECT_EQ(store.Problem(), JournalProblem::Unavailable);
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(Journal, AFullDiskFailsTheWriteAndKeepsEveryEarlierEntry) {
    JournalStore store(path);
    ASSERT_TRUE(store.Open());
    ASSERT_TRUE(store.Save(Entry(QStringLiteral("first"), 7, {2}, QStringLiteral("kept"))));
    {
        // No page more than the file has now: the disk is full as far as SQLite knows.
        QSqlQuery query(QSqlDatabase::database(store.ConnectionName()));
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA page_count")) && query.next());
        const int pages = query.value(0).toInt();
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages)));
    }
    bool failed = false;
    for (int i = 0; i < 200 && !failed; ++i) {
        failed = !store.Save(Entry(QString::number(i), 5, {}, QString(500, QLatin1Char('f'))));
    }
    ASSERT_TRUE(failed);
    EXPECT_EQ(store.Problem(), JournalProblem::WriteFailed);
    EXPECT_TRUE(KeptAside().isEmpty()) << "a full disk is not damage";
    store.Close();

    JournalStore again(path);
    ASSERT_TRUE(again.Open());
    EXPECT_EQ(again.Problem(), JournalProblem::None);
    const QList<JournalEntry> entries = again.LoadAll();
    bool firstKept = false;
    for (const JournalEntry& e : entries) {
        firstKept = firstKept || (e.key == QLatin1String("first") && e.ownWords == u"kept");
    }
    EXPECT_TRUE(firstKept);
}

TEST_F(Journal, AFileHeldByAnotherCopyIsWaitedForAndThenToldWithoutLosingEither) {
    JournalStore store(path);
    store.SetBusyTimeout(200);
    ASSERT_TRUE(store.Open());
    JournalStore other(path);  // the other running copy
    ASSERT_TRUE(other.Open());
    QSqlDatabase otherDb = QSqlDatabase::database(other.ConnectionName());
    QSqlQuery hold(otherDb);
    ASSERT_TRUE(hold.exec(QStringLiteral("BEGIN IMMEDIATE")));
    ASSERT_TRUE(hold.exec(QStringLiteral(
        "INSERT INTO entry (key, started, issue, first_rating) VALUES ('theirs', '', 'x', 1)")));
    EXPECT_FALSE(store.Save(Entry(QStringLiteral("mine"), 6)));
    EXPECT_EQ(store.Problem(), JournalProblem::WriteFailed);
    ASSERT_TRUE(hold.exec(QStringLiteral("COMMIT")));
    EXPECT_TRUE(store.Save(Entry(QStringLiteral("mine"), 6))) << "written once the file is free";
    EXPECT_EQ(store.LoadAll().size(), 2);
    EXPECT_TRUE(KeptAside().isEmpty());
}

QString HelperPath() {
    return QStringLiteral(JOURNAL_WRITE_HELPER);
}

TEST_F(Journal, TwoRunningCopiesBothKeepEveryEntry) {
    {
        JournalStore store(path);  // the file exists in its current layout before both start
        ASSERT_TRUE(store.Open());
    }
    QProcess one;
    QProcess two;
    one.start(HelperPath(), {path, QStringLiteral("150"), QStringLiteral("one-")});
    two.start(HelperPath(), {path, QStringLiteral("150"), QStringLiteral("two-")});
    ASSERT_TRUE(one.waitForFinished(60000));
    ASSERT_TRUE(two.waitForFinished(60000));
    EXPECT_EQ(one.exitCode(), 0) << one.readAllStandardError().toStdString();
    EXPECT_EQ(two.exitCode(), 0) << two.readAllStandardError().toStdString();
    JournalStore store(path);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(store.LoadAll().size(), 300);
}

TEST_F(Journal, KilledInTheMiddleOfWritingLosesAtMostTheEntryBeingWritten) {
    QProcess writer;
    writer.start(HelperPath(), {path, QStringLiteral("0"), QStringLiteral("k")});
    ASSERT_TRUE(writer.waitForStarted());
    int savedCount = 0;
    QByteArray output;
    while (savedCount < 40 && writer.waitForReadyRead(20000)) {
        output += writer.readAllStandardOutput();
        savedCount = int(output.count("saved "));
    }
    ASSERT_GE(savedCount, 40) << writer.readAllStandardError().toStdString();
    writer.kill();  // SIGKILL: no chance to finish anything
    writer.waitForFinished();
    output += writer.readAllStandardOutput();
    savedCount = int(output.count("saved "));

    JournalStore store(path);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(store.Problem(), JournalProblem::None);
    EXPECT_TRUE(KeptAside().isEmpty());
    const QList<JournalEntry> entries = store.LoadAll();
    EXPECT_GE(entries.size(), savedCount);
    EXPECT_LE(entries.size(), savedCount + 1);
    for (const JournalEntry& e : entries) {
        EXPECT_EQ(e.laterRatings, (QList<int>{6, 4, 2})) << e.key.toStdString();
        EXPECT_EQ(e.ownWords.size(), 100 + e.key.size() - 1);
    }
}

}  // namespace
