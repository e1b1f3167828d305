#pragma once
// Switches tracing on into a temporary "Log" folder with a fixed clock, and off again.

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "app/file_system_helper.h"
#include "app/trace_log.h"

namespace mindrova::testing {

class TraceCapture {
public:
    explicit TraceCapture(QDateTime start = QDateTime(QDate(2026, 12, 7), QTime(11, 14, 22)))
        : clock(std::move(start)), folder(mTemp.filePath(QStringLiteral("Log"))) {
        SetTraceLogSetup({folder, [this] { return clock; }});
        ResetLogDateStamp();
        FileSystemHelper = std::make_unique<FileSystemObject>();
        TraceEnabled = true;
    }
    ~TraceCapture() {
        TraceEnabled = false;
        FileSystemHelper.reset();
        SetTraceLogSetup({});
        ResetLogDateStamp();
    }
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    QByteArray Read(const QString& name) const {
        QFile file(folder + QLatin1Char('/') + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    bool valid() const { return mTemp.isValid(); }

    QDateTime clock;

private:
    QTemporaryDir mTemp;

public:
    const QString folder;
};

}  // namespace mindrova::testing
