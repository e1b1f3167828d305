#include "support/private_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace mindrova {
namespace {

constexpr auto kPrivateFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

bool WriteAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += wrote;
    }
    return true;
}

}  // namespace

bool MakePrivateFolder(const QString& folder) {
    const QString target = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    QStringList missing;
    for (QString level = target; !QFileInfo::exists(level);) {
        missing.prepend(level);
        const QString parent = QFileInfo(level).absolutePath();
        if (parent == level) break;
        level = parent;
    }
    for (const QString& level : missing) {
        if (!QDir().mkdir(level, kPrivateFolder) && !QFileInfo(level).isDir()) return false;
    }
    return QFileInfo(target).isDir();
}

bool WriteNewPrivateFile(const QString& path, const QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          S_IRUSR | S_IWUSR);
    if (fd < 0) return false;
    // The umask may only take bits away; this file is the owner's to read and write.
    const bool written = ::fchmod(fd, S_IRUSR | S_IWUSR) == 0 && WriteAll(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (written && closed) return true;
    ::unlink(name.constData());
    return false;
}

bool SyncFileToDisk(const QString& path) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

void SyncFolderToDisk(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace mindrova
