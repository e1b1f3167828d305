#include "support/whole_file.h"

#include <QSaveFile>

#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace mindrova {
namespace {

QString SystemText(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

}  // namespace

bool WriteWholeFile(const QString& path, const QByteArray& bytes, FileAccess access,
                    QString* error) {
    QSaveFile file(path);
    const auto fail = [&](const QString& why) {
        // The file beside the old one goes; the old one was never touched.
        if (file.isOpen()) file.cancelWriting();
        if (error) *error = why;
        return false;
    };
    // QSaveFile's own buffer would meet a full disk only inside commit(), which on some Qt
    // versions then puts the short file in the old one's place: the bytes go straight to the
    // descriptor instead, so each refusal is seen here, before anything is replaced.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail(file.errorString());
    if (access == FileAccess::OwnerOnly &&
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        return fail(file.errorString());
    }
    const int fd = file.handle();
    if (fd < 0) return fail(SystemText(EBADF));
    const char* next = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return fail(SystemText(errno));
        // A write that takes nothing and names no error is a full disk by another name.
        if (written == 0) return fail(SystemText(ENOSPC));
        next += written;
        left -= written;
    }
    // Some file systems say they are full, or fail, only when the bytes are made durable.
    if (::fsync(fd) != 0) return fail(SystemText(errno));
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace mindrova
