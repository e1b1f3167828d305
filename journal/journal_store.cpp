#include "journal/journal_store.h"

#include <sys/stat.h>
#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <QVariant>

#include "journal/journal_files.h"
#include "journal/journal_schema.h"
#include "support/private_files.h"
#include "support/regular_file.h"
#include "support/trace_log.h"

namespace mindrova {
namespace {

// SQLite's primary result codes that the journal answers differently.
enum SqliteCode { kCorrupt = 11, kFull = 13, kNotADatabase = 26 };

int PrimaryCode(const QSqlError& error) {
    return error.nativeErrorCode().toInt() & 0xff;
}

bool IsDamage(const QSqlError& error) {
    const int code = PrimaryCode(error);
    return code == kCorrupt || code == kNotADatabase;
}

QString NextConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("mindrova-journal-%1").arg(counter.fetchAndAddRelaxed(1));
}

// An empty text is stored as text, never as NULL, which the columns refuse.
QString Text(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}

QString Stamp(const QDateTime& time) {
    // UTC with milliseconds: the text sorts in time order.
    return time.toUTC().toString(Qt::ISODateWithMs);
}

}  // namespace

QString JournalStore::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/journal.sqlite");
}

JournalStore::JournalStore(QString filePath)
    : mPath(std::move(filePath)), mConnection(NextConnectionName()) {}

JournalStore::~JournalStore() {
    Close();
}

bool JournalStore::IsOpen() const {
    return QSqlDatabase::contains(mConnection) &&
           QSqlDatabase::database(mConnection, false).isOpen();
}

void JournalStore::Close() {
    if (!QSqlDatabase::contains(mConnection)) return;
    {
        QSqlDatabase db = QSqlDatabase::database(mConnection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(mConnection);
}

bool JournalStore::Fail(JournalProblem problem, const QString& error) {
    mProblem = problem;
    mError = error;
    return false;
}

bool JournalStore::CreateEmptyFile() {
    if (!MakePrivateFolder(QFileInfo(mPath).absolutePath())) return false;
    QFile file(mPath);
    // Owner-only from the first moment: the journal says how the user feels.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        return false;
    }
    file.close();
    return true;
}

JournalStore::ConnectResult JournalStore::Connect() {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), mConnection);
    // Another running copy may be writing: wait for it rather than fail at once.
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(mBusyTimeoutMs);
    if (mVfs.isEmpty()) {
        db.setDatabaseName(mPath);
    } else {
        db.setDatabaseName(QUrl::fromLocalFile(mPath).toString(QUrl::FullyEncoded) +
                           QStringLiteral("?vfs=") + mVfs);
        options += QStringLiteral(";QSQLITE_OPEN_URI");
    }
    db.setConnectOptions(options);
    if (!db.open()) {
        mError = db.lastError().text();
        return ConnectResult::Failed;
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check(1)")) || !query.next()) {
        mError = query.lastError().text();
        return IsDamage(query.lastError()) ? ConnectResult::Damaged : ConnectResult::Failed;
    }
    if (query.value(0).toString() != QLatin1String("ok")) {
        mError = query.value(0).toString();
        return ConnectResult::Damaged;
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        mError = query.lastError().text();
        return ConnectResult::Failed;
    }
    const int version = query.value(0).toInt();
    if (version > JOURNAL_SCHEMA_VERSION) {
        mError = QStringLiteral("layout %1").arg(version);
        return ConnectResult::NewerLayout;
    }
    if (version == 0) {
        // A file without a layout version that holds tables was not written by the journal.
        if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next()) {
            mError = query.lastError().text();
            return ConnectResult::Failed;
        }
        if (query.value(0).toInt() > 0) {
            mError = QStringLiteral("not a journal");
            return ConnectResult::Damaged;
        }
    }
    query.finish();
    if (!SetUpConnection(db)) return ConnectResult::Failed;
    if (!MigrateJournal(db, version, &mError)) return ConnectResult::Failed;
    struct stat info {};
    if (::stat(QFile::encodeName(mPath).constData(), &info) == 0) {
        mIdentity = QStringLiteral("%1:%2").arg(info.st_dev).arg(info.st_ino);
    }
    return ConnectResult::Ok;
}

bool JournalStore::SetUpConnection(QSqlDatabase& db) {
    QSqlQuery query(db);
    const auto setting = [&](const QString& statement, QString* value) {
        if (!query.exec(statement) || !query.next()) {
            mError = query.lastError().text();
            return false;
        }
        *value = query.value(0).toString().toLower();
        query.finish();
        return true;
    };
    // A write-ahead log keeps the file whole when the program is killed in the middle of a write,
    // and NORMAL syncing is safe with it and keeps an entry's write short. Where the file system
    // cannot keep the log (no shared memory), SQLite's rollback journal with FULL syncing keeps
    // the file as whole; its -journal file is one of the journal's files to delete.
    if (!setting(QStringLiteral("PRAGMA journal_mode = WAL"), &mJournalMode)) return false;
    if (mJournalMode != QLatin1String("wal")) {
        if (TraceEnabled) WriteLog(QStringLiteral("Journal without a write-ahead log"));
        if (!setting(QStringLiteral("PRAGMA journal_mode = DELETE"), &mJournalMode)) return false;
    }
    const bool wal = mJournalMode == QLatin1String("wal");
    if (!wal && mJournalMode != QLatin1String("delete")) {
        mError = QStringLiteral("journal mode %1").arg(mJournalMode);
        return false;
    }
    QString value;
    const QString synchronous = wal ? QStringLiteral("1") : QStringLiteral("2");
    if (!query.exec(QStringLiteral("PRAGMA synchronous = %1").arg(synchronous)) ||
        !setting(QStringLiteral("PRAGMA synchronous"), &value)) {
        mError = query.lastError().text();
        return false;
    }
    if (value != synchronous) {
        mError = QStringLiteral("synchronous %1").arg(value);
        return false;
    }
    // What the user deletes is overwritten, whatever this SQLite was built to do by default.
    if (!setting(QStringLiteral("PRAGMA secure_delete = ON"), &value)) return false;
    if (value != QLatin1String("1")) {
        mError = QStringLiteral("secure_delete %1").arg(value);
        return false;
    }
    return true;
}

bool JournalStore::MoveAside() {
    const QFileInfo info(mPath);
    const QString stem = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
                         QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString suffix = QLatin1Char('.') + info.suffix();
    QString target = stem + suffix;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo::exists(target + QStringLiteral("-wal"));
         ++n) {
        target = stem + QStringLiteral("-%1").arg(n) + suffix;
    }
    // Only while no connection holds the file: one that did would go on writing into the copy
    // kept aside, and what it wrote would be lost to the fresh journal.
    const ExclusiveFileHold hold(mPath);
    if (!hold.Opened()) return Fail(JournalProblem::Unavailable, QStringLiteral("cannot lock"));
    if (!hold.Held()) {
        return Fail(JournalProblem::DamagedInUse,
                    QStringLiteral("in use by another connection: %1").arg(mError));
    }
    if (!QFile::rename(mPath, target)) {
        return Fail(JournalProblem::Unavailable, QStringLiteral("cannot rename"));
    }
    // The log, its index and a rollback journal belong to the damaged file: they go with it.
    const QStringList from = CompanionFiles(mPath);
    const QStringList to = CompanionFiles(target);
    for (qsizetype i = 1; i < from.size(); ++i) {
        if (QFileInfo::exists(from[i])) QFile::rename(from[i], to[i]);
    }
    mKeptAside = target;
    return true;
}

bool JournalStore::StartAfresh() {
    Close();
    if (!MoveAside()) return false;
    if (!CreateEmptyFile())
        return Fail(JournalProblem::Unavailable, QStringLiteral("cannot create"));
    if (Connect() != ConnectResult::Ok) {
        Close();
        return Fail(JournalProblem::Unavailable, mError);
    }
    mProblem = JournalProblem::Damaged;
    return true;
}

bool JournalStore::Open() {
    Close();
    mProblem = JournalProblem::None;
    mKeptAside.clear();
    mError.clear();
    mIdentity.clear();
    // SQLite would open a FIFO at any of these names and wait on it for good, and a folder or a
    // device is no journal either: such a journal is unavailable, and nothing there is touched.
    for (const QString& file : CompanionFiles(mPath)) {
        if (!IsRegularFileOrAbsent(file)) {
            return Fail(JournalProblem::Unavailable, QStringLiteral("not a file: %1").arg(file));
        }
    }
    if (!QFileInfo::exists(mPath) && !CreateEmptyFile()) {
        return Fail(JournalProblem::Unavailable, QStringLiteral("cannot create %1").arg(mPath));
    }
    switch (Connect()) {
        case ConnectResult::Ok:
            return true;
        case ConnectResult::Damaged:
            return StartAfresh();
        case ConnectResult::NewerLayout:
            Close();
            mProblem = JournalProblem::NewerLayout;
            return false;
        case ConnectResult::Failed:
            break;
    }
    Close();
    mProblem = JournalProblem::Unavailable;
    return false;
}

QSqlError JournalStore::Write(const JournalEntry& entry, SaveMode mode) {
    QSqlDatabase db = QSqlDatabase::database(mConnection, false);
    if (!db.transaction()) return db.lastError();
    QSqlQuery query(db);
    if (mode == SaveMode::InsertOrReplace) {
        query.prepare(QStringLiteral(
            "INSERT INTO entry (started, issue, own_words, first_rating, later_ratings, rounds,"
            " minutes, key) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"
            " ON CONFLICT (key) DO UPDATE SET started = excluded.started,"
            " issue = excluded.issue, own_words = excluded.own_words,"
            " first_rating = excluded.first_rating, later_ratings = excluded.later_ratings,"
            " rounds = excluded.rounds, minutes = excluded.minutes"));
    } else {
        query.prepare(QStringLiteral(
            "UPDATE entry SET started = ?, issue = ?, own_words = ?, first_rating = ?,"
            " later_ratings = ?, rounds = ?, minutes = ? WHERE key = ?"));
    }
    query.addBindValue(Text(Stamp(entry.started)));
    query.addBindValue(Text(entry.issue));
    query.addBindValue(Text(entry.ownWords));
    query.addBindValue(entry.firstRating);
    query.addBindValue(Text(RatingsText(entry.laterRatings)));
    query.addBindValue(entry.rounds);
    query.addBindValue(entry.minutes);
    query.addBindValue(Text(entry.key));
    if (query.exec() && db.commit()) return {};
    QSqlError error = query.lastError().isValid() ? query.lastError() : db.lastError();
    query.finish();
    db.rollback();
    return error;
}

bool JournalStore::Save(const JournalEntry& entry, SaveMode mode) {
    mProblem = JournalProblem::None;
    if (!IsOpen()) return Fail(JournalProblem::Unavailable, QStringLiteral("not open"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        const QSqlError error = Write(entry, mode);
        if (!error.isValid()) return true;
        mError = error.text();
        // A file found damaged while writing is kept aside and the entry goes to a fresh one,
        // where nothing can have been deleted by the user.
        if (attempt == 0 && IsDamage(error)) {
            if (!StartAfresh()) return false;
            mode = SaveMode::InsertOrReplace;
            continue;
        }
        break;
    }
    return Fail(JournalProblem::WriteFailed, mError);
}

QList<JournalEntry> JournalStore::LoadAll() {
    QList<JournalEntry> entries;
    if (!IsOpen()) return entries;
    QSqlQuery query(QSqlDatabase::database(mConnection, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT key, started, issue, own_words, first_rating, later_ratings, rounds, minutes"
            " FROM entry ORDER BY started DESC, rowid DESC"))) {
        mError = query.lastError().text();
        return entries;
    }
    while (query.next()) {
        JournalEntry e;
        e.key = query.value(0).toString();
        e.started =
            QDateTime::fromString(query.value(1).toString(), Qt::ISODateWithMs).toLocalTime();
        e.issue = query.value(2).toString();
        e.ownWords = query.value(3).toString();
        e.firstRating = query.value(4).toInt();
        e.laterRatings = RatingsFromText(query.value(5).toString());
        e.rounds = query.value(6).toInt();
        e.minutes = query.value(7).toInt();
        entries << e;
    }
    return entries;
}

bool JournalStore::Remove(const QString& key) {
    if (!IsOpen()) return false;
    QSqlQuery query(QSqlDatabase::database(mConnection, false));
    query.prepare(QStringLiteral("DELETE FROM entry WHERE key = ?"));
    query.addBindValue(key);
    if (query.exec()) return ClearLog();
    return Fail(JournalProblem::WriteFailed, query.lastError().text());
}

bool JournalStore::RemoveAll() {
    if (!IsOpen()) return false;
    QSqlQuery query(QSqlDatabase::database(mConnection, false));
    if (query.exec(QStringLiteral("DELETE FROM entry"))) return ClearLog();
    return Fail(JournalProblem::WriteFailed, query.lastError().text());
}

// The log still holds the pages as they were before the delete: they are written back into the
// file and the log emptied. Another copy reading just now keeps them until its next write.
bool JournalStore::ClearLog() {
    if (mJournalMode != QLatin1String("wal")) return true;
    QSqlQuery query(QSqlDatabase::database(mConnection, false));
    if (!query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")) && TraceEnabled) {
        WriteLog(QStringLiteral("Journal log kept: %1").arg(query.lastError().text()));
    }
    return true;
}

}  // namespace mindrova
