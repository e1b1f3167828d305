#pragma once
// The private journal on disk: one SQLite file, written one entry a transaction. A file that
// cannot be read is kept aside under a new name and a fresh journal started; nothing is ever
// deleted or overwritten except by the user's own choice.

#include <QList>
#include <QString>

#include "journal/journal_entry.h"

class QSqlDatabase;
class QSqlError;

namespace mindrova {

enum class JournalProblem {
    None,
    Damaged,       // the file could not be read: kept aside as KeptAside(), a fresh one started
    NewerLayout,   // written by a newer version: left as it is, nothing written to it
    Unavailable,   // could not be created or opened (a read-only folder, locked too long)
    WriteFailed,   // an entry could not be written (a full disk, a read-only file)
    DamagedInUse,  // could not be read, but another connection holds it: left as it is
};

// How Save treats an entry whose key is not in the file.
enum class SaveMode {
    InsertOrReplace,  // writes it as a new entry
    ReplaceOnly,      // leaves it out: the user deleted it, and it stays deleted
};

class JournalStore {
public:
    // The journal file in the application's data folder.
    static QString DefaultPath();

    explicit JournalStore(QString filePath);
    ~JournalStore();
    JournalStore(const JournalStore&) = delete;
    JournalStore& operator=(const JournalStore&) = delete;

    // How long a write waits for another copy of the program to finish its own; set before Open.
    void SetBusyTimeout(int milliseconds) { mBusyTimeoutMs = milliseconds; }

    // Opens (creating the file with owner-only access when missing) and brings the layout up to
    // date. True when entries can be read and written; Problem() tells what happened on the way.
    bool Open();
    void Close();
    bool IsOpen() const;

    // Writes the entry in one transaction; an entry with the same key is replaced. In a fresh
    // file started because the old one could not be read, the entry is always written.
    bool Save(const JournalEntry& entry, SaveMode mode = SaveMode::InsertOrReplace);
    // Every entry, newest first.
    QList<JournalEntry> LoadAll();
    // Deleted entries are overwritten on disk and left in no log.
    bool Remove(const QString& key);
    bool RemoveAll();

    JournalProblem Problem() const { return mProblem; }
    QString KeptAside() const { return mKeptAside; }
    QString ErrorText() const { return mError; }
    QString FilePath() const { return mPath; }
    // Tells this file from another one later made at the same path; empty while not open.
    QString FileIdentity() const { return mIdentity; }
    // "wal", or "delete" where the file system cannot keep a write-ahead log.
    QString JournalMode() const { return mJournalMode; }
    // The Qt SQL connection, for tests that set SQLite limits on it.
    QString ConnectionName() const { return mConnection; }
    // The SQLite VFS to open the file with; set before Open. Tests choose one without shared
    // memory, where a write-ahead log cannot be kept.
    void SetVfs(const QString& vfs) { mVfs = vfs; }

private:
    enum class ConnectResult { Ok, Damaged, NewerLayout, Failed };
    ConnectResult Connect();
    bool SetUpConnection(QSqlDatabase& db);
    QSqlError Write(const JournalEntry& entry, SaveMode mode);
    bool CreateEmptyFile();
    bool MoveAside();
    bool StartAfresh();
    bool Fail(JournalProblem problem, const QString& error);
    bool ClearLog();

    QString mPath;
    QString mConnection;
    JournalProblem mProblem = JournalProblem::None;
    QString mKeptAside;
    QString mError;
    QString mIdentity;
    QString mJournalMode;
    QString mVfs;
    int mBusyTimeoutMs = 5000;
};

}  // namespace mindrova
