#pragma once
// The one entry to the error report, and the texts it is built from.

#include <QString>
#include <QtGlobal>
#include <functional>

namespace mindrova {

struct ErrorRecord {
    qint32 plngErrNum = 0;
    QString pstrErrDesc;
    QString pstrProgVer;
    qint32 plngBuildNum = 0;
    QString pstrModuleName;
    QString pstrProcName;
    QString pstrExtraDesc;
};

void ReportError(qint32 errNumber, const QString& errDescription, const QString& moduleName,
                 const QString& procName, const QString& extraDesc = QString());

// Where a report goes. The default writes the summary line to standard error; the window
// installs the report dialog; tests install a recorder. Returns the sink it replaced.
using ErrorReportSink = std::function<void(const ErrorRecord&)>;
ErrorReportSink SetErrorReportSink(ErrorReportSink sink);

// "2.0 201 Error 91 (frmMain:mnuPopUpAbout_Click)", a blank line, the description, and the
// extra description after another blank line when there is one.
QString BuildErrorText(const ErrorRecord& record);

}  // namespace mindrova
