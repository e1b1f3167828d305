#include "support/trace_log.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "support/error_trap.h"
#include "support/file_system_helper.h"
#include "support/modal_seam.h"
#include "support/program_version.h"

namespace mindrova {
namespace {

QString LogDateStamp;  // fixed at the first write of the run
TraceLogSetup Setup;

QString LogFolder() {
    if (!Setup.folder.isEmpty()) return Setup.folder;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Log");
}

QDateTime Now() {
    return Setup.now ? Setup.now() : QDateTime::currentDateTime();
}

QString ExecutableName() {
    if (QCoreApplication::instance() == nullptr) return QString::fromLatin1(kProgramTitle);
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

// The locale's long time without its time-zone part.
QString LongTimeFormat(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

// A full disk under its own number, so that the message says what the user can mend.
Fault WriteFault(const QFile& file) {
    if (errno == ENOSPC || file.errorString().contains(QStringLiteral("No space left"))) {
        return Fault(61, "Disk full");
    }
    return Fault(57, "Device I/O error");
}

}  // namespace

QByteArray BuildLogRecord(const QDateTime& now, const QString& message, const QLocale& locale) {
    const QString text = locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                         locale.toString(now.time(), LongTimeFormat(locale)) +
                         QStringLiteral(" :v.") + QString::number(kProgramVersion.major) +
                         QLatin1Char('.') + QString::number(kProgramVersion.minor) +
                         QLatin1Char('.') + QString::number(kProgramVersion.revision) +
                         QLatin1Char(':') + message.trimmed() + QStringLiteral("\n\r\n");
    return text.toLatin1();
}

void WriteLog(QString message, QString prefix) {
    if (prefix.isEmpty()) prefix = QStringLiteral("Mindrova_");
    try {
        const QString folder = LogFolder();
        if (!FileSystemHelper) throw Fault(91, "Object variable or With block variable not set");
        if (!FileSystemHelper->FolderExists(folder) && !FileSystemHelper->CreateFolder(folder)) {
            return;  // a folder that cannot be made is passed over silently
        }
        message = message.trimmed();
        const QDateTime now = Now();
        if (LogDateStamp.isEmpty()) LogDateStamp = now.date().toString(QStringLiteral("yyyyMMdd"));
        QFile file(folder + QLatin1Char('/') + prefix + LogDateStamp + QStringLiteral(".log"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
            throw Fault(75, "Path/File access error");
        }
        const QByteArray record = BuildLogRecord(now, message, QLocale::system());
        if (file.write(record) != record.size()) throw WriteFault(file);
        // The write only fills Qt's buffer: a full disk shows itself when the record is flushed
        // and the file closed.
        if (!file.flush()) throw WriteFault(file);
        file.close();
        if (file.error() != QFileDevice::NoError) throw WriteFault(file);
    } catch (...) {
        try {
            const FailureDescription failure = DescribeFailure(std::current_exception());
            ShowMessage({ExecutableName() + QStringLiteral(":Log ") + prefix,
                         QString::number(failure.number) + QLatin1Char(':') + failure.description +
                             QStringLiteral(":Could not write to Log."),
                         MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok});
        } catch (...) {
        }
    }
}

void SetTraceLogSetup(TraceLogSetup setup) {
    Setup = std::move(setup);
}

void ResetLogDateStamp() {
    LogDateStamp.clear();
}

}  // namespace mindrova
