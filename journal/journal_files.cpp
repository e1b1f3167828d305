#include "journal/journal_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <mutex>
#include <vector>

namespace mindrova {
namespace {

// A descriptor that must never be closed: closing any descriptor of a file drops every POSIX
// record lock this process holds on it, which would pull the locks from under a connection of
// this process that still uses the file.
void KeepOpen(int fd) {
    static std::mutex guard;
    static std::vector<int> kept;
    const std::lock_guard<std::mutex> lock(guard);
    kept.push_back(fd);
}

}  // namespace

QStringList CompanionFiles(const QString& filePath) {
    return {filePath, filePath + QStringLiteral("-wal"), filePath + QStringLiteral("-shm"),
            filePath + QStringLiteral("-journal")};
}

QStringList DamagedCopies(const QString& filePath) {
    const QFileInfo info(filePath);
    const QString pattern = info.completeBaseName() + QStringLiteral(".damaged-*.") + info.suffix();
    QStringList copies;
    const QDir folder = info.absoluteDir();
    for (const QString& name : folder.entryList(
             {pattern}, QDir::Files | QDir::Hidden | QDir::System, QDir::Time | QDir::Reversed)) {
        copies << folder.filePath(name);
    }
    return copies;
}

bool DeleteJournalFiles(const QString& filePath, bool withDamagedCopies) {
    QStringList files = CompanionFiles(filePath);
    if (withDamagedCopies) {
        for (const QString& copy : DamagedCopies(filePath)) files << CompanionFiles(copy);
    }
    bool allGone = true;
    for (const QString& file : files) {
        if (QFileInfo::exists(file) && !QFile::remove(file)) allGone = false;
    }
    return allGone;
}

ExclusiveFileHold::ExclusiveFileHold(const QString& filePath) {
    mFd = ::open(QFile::encodeName(filePath).constData(), O_RDWR | O_CLOEXEC);
    if (mFd < 0) return;
    mOpened = true;
    // An open-file-description lock conflicts with the record locks SQLite takes, even with
    // those of this very process, so a connection on another thread is seen as well.
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    if (::fcntl(mFd, F_OFD_SETLK, &whole) == 0) {
        mHeld = true;
        return;
    }
    struct flock holder {};
    holder.l_type = F_WRLCK;
    holder.l_whence = SEEK_SET;
    const bool known = ::fcntl(mFd, F_OFD_GETLK, &holder) == 0;
    if (!known || (holder.l_type != F_UNLCK && holder.l_pid == ::getpid())) {
        KeepOpen(mFd);
        mFd = -1;
    }
}

ExclusiveFileHold::~ExclusiveFileHold() {
    // Safe to close: either this hold kept every other lock out, or no lock of this process was
    // found on the file.
    if (mFd >= 0) ::close(mFd);
}

}  // namespace mindrova
