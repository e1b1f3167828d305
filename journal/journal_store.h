#pragma once
// The private journal on disk: one SQLite file, written one entry a transaction. A file that
// cannot be read is kept aside under a new name and a fresh journal started; nothing is ever
// deleted or overwritten except by the user's own choice.

#include <QList>
#include <QString>

#include "journal/journal_entry.h"

namespace mindrova {

enum class JournalProblem {
    None,
    Damaged,      // the file could not be read: kept aside as KeptAside(), a fresh one started
    NewerLayout,  // written by a newer version: left as it is, nothing written to it
    Unavailable,  // could not be created or opened (a read-only folder, locked too long)
    WriteFailed,  // an entry could not be written (a full disk, a read-only file)
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

    // Writes the entry in one transaction; an entry with the same key is replaced.
    bool Save(const JournalEntry& entry);
    // Every entry, newest first.
    QList<JournalEntry> LoadAll();
    bool Remove(const QString& key);
    bool RemoveAll();

    JournalProblem Problem() const { return mProblem; }
    QString KeptAside() const { return mKeptAside; }
    QString ErrorText() const { return mError; }
    QString FilePath() const { return mPath; }
    // The Qt SQL connection, for tests that set SQLite limits on it.
    QString ConnectionName() const { return mConnection; }

private:
    enum class ConnectResult { Ok, Damaged, NewerLayout, Failed };
    ConnectResult Connect();
    bool CreateEmptyFile();
    bool MoveAside();
    bool StartAfresh();
    bool Fail(JournalProblem problem, const QString& error);

    QString mPath;
    QString mConnection;
    JournalProblem mProblem = JournalProblem::None;
    QString mKeptAside;
    QString mError;
    int mBusyTimeoutMs = 5000;
};

}  // namespace mindrova
