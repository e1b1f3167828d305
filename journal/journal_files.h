#pragma once
// The files the journal makes on disk, apart from what SQLite writes into them: the files SQLite
// keeps beside it, the copies kept aside when a file could not be read, and a hold on a file that
// shows whether any connection still uses it. (Its private folder comes from support/.)

#include <QString>
#include <QStringList>

namespace mindrova {

// The file and what SQLite may make beside it: its write-ahead log and index, and the rollback
// journal used where a write-ahead log cannot be kept.
QStringList CompanionFiles(const QString& filePath);

// The copies kept aside beside the journal (journal.damaged-*.sqlite), oldest first.
QStringList DamagedCopies(const QString& filePath);

// Deletes the journal with every file SQLite made beside it and, when asked, the copies kept
// aside with theirs. True when none of them is left.
bool DeleteJournalFiles(const QString& filePath, bool withDamagedCopies);

// Takes every byte-range lock of the file for itself while it lives, so no SQLite connection of
// this or another process can read or write it meanwhile. Held() is false when some connection
// holds a lock on it, or when the file cannot be locked at all: then it must be left alone.
class ExclusiveFileHold {
public:
    explicit ExclusiveFileHold(const QString& filePath);
    ~ExclusiveFileHold();
    ExclusiveFileHold(const ExclusiveFileHold&) = delete;
    ExclusiveFileHold& operator=(const ExclusiveFileHold&) = delete;

    bool Held() const { return mHeld; }
    // False when the file could not even be opened for writing.
    bool Opened() const { return mOpened; }

private:
    int mFd = -1;
    bool mHeld = false;
    bool mOpened = false;
};

}  // namespace mindrova
