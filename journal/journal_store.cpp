#include "journal/journal_store.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include "journal/journal_schema.h"

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
    const QFileInfo info(mPath);
    if (!QDir().mkpath(info.absolutePath())) return false;
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
    db.setDatabaseName(mPath);
    // Another running copy may be writing: wait for it rather than fail at once.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(mBusyTimeoutMs));
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
    // A write-ahead log keeps the file whole when the program is killed in the middle of one;
    // NORMAL syncing is safe with it and keeps an entry's write short.
    query.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    query.finish();
    if (!MigrateJournal(db, version, &mError)) return ConnectResult::Failed;
    return ConnectResult::Ok;
}

bool JournalStore::MoveAside() {
    const QFileInfo info(mPath);
    const QString stem = info.absolutePath() + QStringLiteral("/journal.damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = stem + QStringLiteral(".sqlite");
    for (int n = 2; QFileInfo::exists(target) || QFileInfo::exists(target + QStringLiteral("-wal"));
         ++n) {
        target = stem + QStringLiteral("-%1.sqlite").arg(n);
    }
    if (!QFile::rename(mPath, target)) return false;
    // The log and its index belong to the damaged file: they go with it.
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(mPath + suffix)) QFile::rename(mPath + suffix, target + suffix);
    }
    mKeptAside = target;
    return true;
}

bool JournalStore::StartAfresh() {
    Close();
    if (!MoveAside()) return Fail(JournalProblem::Unavailable, QStringLiteral("cannot rename"));
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

bool JournalStore::Save(const JournalEntry& entry) {
    if (!IsOpen()) return Fail(JournalProblem::Unavailable, QStringLiteral("not open"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        QSqlDatabase db = QSqlDatabase::database(mConnection, false);
        QSqlError error;
        if (db.transaction()) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral(
                "INSERT INTO entry (key, started, issue, own_words, first_rating, later_ratings,"
                " rounds, minutes) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"
                " ON CONFLICT (key) DO UPDATE SET started = excluded.started,"
                " issue = excluded.issue, own_words = excluded.own_words,"
                " first_rating = excluded.first_rating, later_ratings = excluded.later_ratings,"
                " rounds = excluded.rounds, minutes = excluded.minutes"));
            query.addBindValue(Text(entry.key));
            query.addBindValue(Text(Stamp(entry.started)));
            query.addBindValue(Text(entry.issue));
            query.addBindValue(Text(entry.ownWords));
            query.addBindValue(entry.firstRating);
            query.addBindValue(Text(RatingsText(entry.laterRatings)));
            query.addBindValue(entry.rounds);
            query.addBindValue(entry.minutes);
            if (query.exec() && db.commit()) return true;
            error = query.lastError().isValid() ? query.lastError() : db.lastError();
            query.finish();
            db.rollback();
        } else {
            error = db.lastError();
        }
        mError = error.text();
        // A file found damaged while writing is kept aside and the entry goes to a fresh one.
        if (attempt == 0 && IsDamage(error) && StartAfresh()) continue;
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
    if (query.exec()) return true;
    return Fail(JournalProblem::WriteFailed, query.lastError().text());
}

bool JournalStore::RemoveAll() {
    if (!IsOpen()) return false;
    QSqlQuery query(QSqlDatabase::database(mConnection, false));
    if (query.exec(QStringLiteral("DELETE FROM entry"))) return true;
    return Fail(JournalProblem::WriteFailed, query.lastError().text());
}

}  // namespace mindrova
