#pragma once
// Diagnostic trace lines, one file per day of the first write, in a "Log" folder beside the
// program. Callers build their line and call WriteLog only while TraceEnabled is on; nothing in
// the program switches it on.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <functional>

namespace mindrova {

inline bool TraceEnabled = false;

void WriteLog(QString message, QString prefix = QString());

// One record: local date and time, the version, the trimmed message, LF and CR LF.
QByteArray BuildLogRecord(const QDateTime& now, const QString& message, const QLocale& locale);

// For diagnosis and tests: where the log goes and which clock stamps it. An empty folder means
// the program's own folder plus "/Log"; a null clock means the local time.
struct TraceLogSetup {
    QString folder;
    std::function<QDateTime()> now;
};
void SetTraceLogSetup(TraceLogSetup setup);
// Forgets the date stamp, as a new run would.
void ResetLogDateStamp();

}  // namespace mindrova
