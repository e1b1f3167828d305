#include "support/regular_file.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>

namespace mindrova {
namespace {

using Outcome = RegularFileRead::Outcome;

// A descriptor closed on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : mFd(fd) {}
    ~Descriptor() {
        if (mFd >= 0) ::close(mFd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return mFd; }

private:
    int mFd;
};

RegularFileRead Refusal(Outcome outcome, int error = 0) {
    RegularFileRead read;
    read.outcome = outcome;
    read.error = error;
    return read;
}

}  // namespace

PathKind KindOfPath(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0) {
        // Gone, a dangling link, or a folder on the way that is none: nothing to open, so
        // nothing that could wait.
        return PathKind::Missing;
    }
    return S_ISREG(info.st_mode) ? PathKind::Regular : PathKind::NotRegular;
}

bool IsRegularFileOrAbsent(const QString& path) {
    return KindOfPath(path) != PathKind::NotRegular;
}

RegularFileRead ReadRegularFile(const QString& path, qint64 maxBytes, LinkPolicy links) {
    const QByteArray name = QFile::encodeName(path);
    const int flags =
        O_RDONLY | O_NONBLOCK | O_CLOEXEC | (links == LinkPolicy::Refuse ? O_NOFOLLOW : 0);
    const Descriptor fd(::open(name.constData(), flags));
    if (fd.get() < 0) {
        const int error = errno;
        if (error == ELOOP && links == LinkPolicy::Refuse) return Refusal(Outcome::Link);
        // A socket cannot be opened at all (ENXIO): name it for what it is.
        struct stat info {};
        const int found = links == LinkPolicy::Refuse ? ::lstat(name.constData(), &info)
                                                      : ::stat(name.constData(), &info);
        if (found != 0) {
            if (error == ENOENT) return Refusal(Outcome::Missing);
            return Refusal(Outcome::Failed, error);
        }
        if (!S_ISREG(info.st_mode)) return Refusal(Outcome::NotRegular);
        return Refusal(Outcome::Failed, error);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return Refusal(Outcome::Failed, errno);
    if (!S_ISREG(info.st_mode)) return Refusal(Outcome::NotRegular);
    // A regular file never waits; reads go on as usual without the flag.
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    RegularFileRead read;
    // One byte past the limit tells a file that is too large, whatever its size claims.
    const qint64 wanted = maxBytes < 0 ? -1 : maxBytes + 1;
    char buffer[16384];
    for (;;) {
        const qint64 room = wanted < 0
                                ? qint64(sizeof buffer)
                                : std::min<qint64>(sizeof buffer, wanted - read.bytes.size());
        if (room <= 0) break;
        const ssize_t got = ::read(fd.get(), buffer, size_t(room));
        if (got < 0) {
            if (errno == EINTR) continue;
            return Refusal(Outcome::Failed, errno);
        }
        if (got == 0) break;
        read.bytes.append(buffer, qsizetype(got));
    }
    if (maxBytes >= 0 && read.bytes.size() > maxBytes) return Refusal(Outcome::TooLarge);
    read.outcome = Outcome::Read;
    return read;
}

}  // namespace mindrova
