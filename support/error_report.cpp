#include "support/error_report.h"

#include <QTextStream>

#include "support/program_version.h"

namespace mindrova {
namespace {

void WriteSummaryToStandardError(const ErrorRecord& record) {
    QTextStream(stderr) << BuildErrorText(record).section(QStringLiteral("\r\n"), 0, 0) << "\n";
}

ErrorReportSink& Sink() {
    static ErrorReportSink sink = WriteSummaryToStandardError;
    return sink;
}

}  // namespace

ErrorReportSink SetErrorReportSink(ErrorReportSink sink) {
    ErrorReportSink previous = std::move(Sink());
    Sink() = sink ? std::move(sink) : ErrorReportSink(WriteSummaryToStandardError);
    return previous;
}

void ReportError(qint32 errNumber, const QString& errDescription, const QString& moduleName,
                 const QString& procName, const QString& extraDesc) {
    ErrorRecord record;
    record.plngErrNum = errNumber;
    record.pstrErrDesc = errDescription;
    record.pstrProgVer = QString::number(kProgramVersion.major) + QLatin1Char('.') +
                         QString::number(kProgramVersion.minor);
    record.plngBuildNum = kProgramVersion.revision;
    record.pstrModuleName = moduleName;
    record.pstrProcName = procName;
    record.pstrExtraDesc = extraDesc;
    // Copy: a sink may replace itself while it runs.
    const ErrorReportSink sink = Sink();
    sink(record);
}

QString BuildErrorText(const ErrorRecord& record) {
    const QString blank = QStringLiteral("\r\n\r\n");
    QString text = record.pstrProgVer + QLatin1Char(' ') + QString::number(record.plngBuildNum) +
                   QStringLiteral(" Error ") + QString::number(record.plngErrNum) +
                   QStringLiteral(" (") + record.pstrModuleName + QLatin1Char(':') +
                   record.pstrProcName + QLatin1Char(')') + blank + record.pstrErrDesc;
    if (!record.pstrExtraDesc.isEmpty()) text += blank + record.pstrExtraDesc;
    return text;
}

}  // namespace mindrova
