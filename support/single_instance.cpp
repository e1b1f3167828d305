#include "support/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <memory>

#include "support/modal_seam.h"
#include "support/program_version.h"

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace mindrova {
namespace {

QString gstrLockPath;
std::unique_ptr<QLockFile> gInstanceLock;

QString UserName() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) user = qEnvironmentVariable("USERNAME");
    // The name becomes part of a file name.
    user.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    if (!user.isEmpty()) return user;
#if defined(Q_OS_UNIX)
    // Without a name in the environment the account number still tells users apart.
    return QStringLiteral("uid") + QString::number(::getuid());
#else
    return QStringLiteral("user");
#endif
}

QString LockPath() {
    return gstrLockPath.isEmpty() ? DefaultInstanceLockPath() : gstrLockPath;
}

}  // namespace

QString DefaultInstanceLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("mindrova-") + UserName() +
                                 QStringLiteral(".lock"));
}

void SetInstanceLockPath(const QString& path) {
    ReleaseInstanceLock();
    gstrLockPath = path;
}

InstanceLockState HoldInstanceLock() {
    if (gInstanceLock) return InstanceLockState::Held;
    auto lock = std::make_unique<QLockFile>(LockPath());
    // Age alone never makes a lock stale: only a holder that is gone does.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() != QLockFile::LockFailedError) return InstanceLockState::Unavailable;
        // tryLock clears locks of holders it knows to be dead; this also clears one it cannot
        // read, and is refused while a live holder keeps its file lock.
        if (!lock->removeStaleLockFile() || !lock->tryLock(0)) {
            return lock->error() == QLockFile::LockFailedError
                       ? InstanceLockState::HeldByAnotherCopy
                       : InstanceLockState::Unavailable;
        }
    }
    gInstanceLock = std::move(lock);
    return InstanceLockState::Held;
}

void ReleaseInstanceLock() {
    gInstanceLock.reset();
}

bool CheckPreviousInstance() {
    if (HoldInstanceLock() != InstanceLockState::HeldByAnotherCopy) return false;
    const QString title = QString::fromLatin1(kProgramTitle);
    const QString crlf = QStringLiteral("\r\n");
    const MessageAnswer answer = ShowMessage(
        {title,
         QStringLiteral("Another instance of ") + title + QStringLiteral(" is already running.") +
             crlf + crlf + QStringLiteral("Do you want to run another instance?"),
         MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::Yes});
    return answer != MessageAnswer::Yes;
}

}  // namespace mindrova
