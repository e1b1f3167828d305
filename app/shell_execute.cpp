#include "app/shell_execute.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <exception>

#include "support/error_trap.h"
#include "support/launch_address.h"
#include "support/modal_seam.h"

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(Q_OS_UNIX)
#include <cerrno>
#include <csignal>
#endif

namespace mindrova {
namespace {

inline constexpr qint32 kLaunchBadFormat = 11;

bool OpenWithDesktop(const QUrl& url) {
    // Without a GUI application there is no desktop service to ask.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        throw Fault(429, "No desktop session to open the address");
    }
    return QDesktopServices::openUrl(url);
}

UrlOpener& Opener() {
    static UrlOpener opener = OpenWithDesktop;
    return opener;
}

qint32 Open(const QUrl& url) {
    if (url.isEmpty() || !url.isValid()) return kLaunchFileNotFound;
    const UrlOpener opener = Opener();
    return opener(url) ? kLaunchSucceeded : kLaunchNoAssociation;
}

// A failure of the call itself (not a refusal) is shown under the operation's name.
template <typename Body>
qint32 Guarded(const char* operation, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        try {
            const FailureDescription failure = DescribeFailure(std::current_exception());
            ShowMessage({QString::fromLatin1(operation),
                         QCoreApplication::translate("ShellExecute", "Error: %1. %2")
                             .arg(QString::number(failure.number), failure.description),
                         MessageIcon::None, MessageButtons::Ok, MessageAnswer::Ok});
        } catch (...) {
            // The box itself failed; the zero result still tells the caller.
        }
        return kLaunchFailedCall;
    }
}

qint32 OpenFolder(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) return kLaunchPathNotFound;
    return Open(QUrl::fromLocalFile(QFileInfo(folder).absoluteFilePath()));
}

bool IsDocument(const QString& document) {
    const QFileInfo info(document);
    return !document.isEmpty() && info.exists() && !info.isDir();
}

bool IsProcessAlive(qint64 pid) {
#if defined(Q_OS_WIN)
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!process) return false;
    DWORD code = 0;
    const BOOL asked = GetExitCodeProcess(process, &code);
    CloseHandle(process);
    return asked && code == 259;
#elif defined(Q_OS_UNIX)
    if (pid <= 0) return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) return false;
    // A dead program that nobody has reaped yet still answers; its state letter says Z.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray line = stat.readAll();
        const qsizetype close = line.lastIndexOf(')');
        if (close >= 0 && close + 2 < line.size() && line.at(close + 2) == 'Z') return false;
    }
    return true;
#else
    Q_UNUSED(pid);
    return false;
#endif
}

}  // namespace

UrlOpener SetUrlOpener(UrlOpener opener) {
    UrlOpener previous = std::move(Opener());
    Opener() = opener ? std::move(opener) : UrlOpener(OpenWithDesktop);
    return previous;
}

void CShellExecute::ForgetProcess() {
    mblnTracking = false;
    mlngProcessId = 0;
}

bool CShellExecute::StillExecuting() const {
    return mblnTracking && IsProcessAlive(mlngProcessId);
}

qint32 CShellExecute::Explore(QWidget*, const QString& strFolder, int) {
    return Guarded("Explore", [&] {
        ForgetProcess();
        return OpenFolder(strFolder);
    });
}

qint32 CShellExecute::LaunchDocument(QWidget*, const QString& strDocument, const QString&, int) {
    return Guarded("LaunchDocument", [&] {
        ForgetProcess();
        if (!IsDocument(strDocument)) return kLaunchFileNotFound;
        return Open(QUrl::fromLocalFile(QFileInfo(strDocument).absoluteFilePath()));
    });
}

qint32 CShellExecute::LaunchEmail(QWidget*, const QString& strAddress, int) {
    return Guarded("LaunchEmail", [&] {
        ForgetProcess();
        if (strAddress.trimmed().isEmpty()) return kLaunchFileNotFound;
        return Open(QUrl(QStringLiteral("mailto:") + strAddress.trimmed(), QUrl::TolerantMode));
    });
}

qint32 CShellExecute::LaunchFolder(QWidget*, const QString& strFolder, int) {
    return Guarded("LaunchFolder", [&] {
        ForgetProcess();
        return OpenFolder(strFolder);
    });
}

qint32 CShellExecute::LaunchProgram(QWidget*, const QString& strProgram,
                                    const QString& strParameters, const QString& strStartIn, int) {
    return Guarded("LaunchProgram", [&] {
        ForgetProcess();
        const QString program = QDir::fromNativeSeparators(strProgram.trimmed());
        if (program.isEmpty()) return kLaunchFileNotFound;
        QString resolved = program;
        if (program.contains(QLatin1Char('/'))) {
            const QFileInfo info(program);
            if (!info.exists()) return kLaunchFileNotFound;
            if (info.isDir() || !info.isExecutable()) return kLaunchAccessDenied;
        } else {
            resolved = QStandardPaths::findExecutable(program);
            if (resolved.isEmpty()) return kLaunchFileNotFound;
        }
        if (!strStartIn.isEmpty() && !QFileInfo(strStartIn).isDir()) return kLaunchPathNotFound;
        qint64 pid = 0;
        if (!QProcess::startDetached(resolved, QProcess::splitCommand(strParameters), strStartIn,
                                     &pid)) {
            return kLaunchBadFormat;
        }
        mblnTracking = true;
        mlngProcessId = pid;
        return kLaunchSucceeded;
    });
}

qint32 CShellExecute::LaunchURL(QWidget*, const QString& strURL, int) {
    return Guarded("LaunchURL", [&] {
        ForgetProcess();
        return Open(AddressToUrl(strURL));
    });
}

qint32 CShellExecute::PrintDocument(QWidget*, const QString& strDocument) {
    return Guarded("PrintDocument", [&] {
        ForgetProcess();
        if (!IsDocument(strDocument)) return kLaunchFileNotFound;
#if defined(Q_OS_UNIX)
        // The desktop has no print action of its own here; the spooler is the print service.
        const QString spooler = QStandardPaths::findExecutable(QStringLiteral("lp"));
        if (spooler.isEmpty()) return kLaunchNoAssociation;
        return QProcess::startDetached(spooler, {QFileInfo(strDocument).absoluteFilePath()})
                   ? kLaunchSucceeded
                   : kLaunchNoAssociation;
#else
        return kLaunchNoAssociation;
#endif
    });
}

}  // namespace mindrova
