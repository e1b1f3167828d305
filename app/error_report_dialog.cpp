#include "app/error_report_dialog.h"

#include <QApplication>
#include <QTextStream>

#include "support/error_report.h"
#include "app/frm_error_report.h"

namespace mindrova {
namespace {

void WriteToStandardError(const ErrorRecord& record, const char* why) {
    try {
        QTextStream(stderr) << "Mindrova (" << why
                            << "): " << BuildErrorText(record).section(QStringLiteral("\r\n"), 0, 0)
                            << " " << record.pstrErrDesc << "\n";
    } catch (...) {
    }
}

bool gblnReportOpen = false;

void ShowReportDialog(const ErrorRecord& record) noexcept {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        WriteToStandardError(record, "no window system for the report");
        return;
    }
    if (gblnReportOpen) {
        WriteToStandardError(record, "reported while another report was open");
        return;
    }
    gblnReportOpen = true;
    try {
        frmErrorReport dialog;
        dialog.ShowUp(record.plngErrNum, record.pstrErrDesc, record.pstrProgVer,
                      record.plngBuildNum, record.pstrModuleName, record.pstrProcName,
                      record.pstrExtraDesc);
    } catch (...) {
        // Not trapped again: the report itself failed, so it is only written down.
        WriteToStandardError(record, "the error report could not be shown");
    }
    gblnReportOpen = false;
}

}  // namespace

void InstallErrorReportDialog() {
    SetErrorReportSink(ShowReportDialog);
}

}  // namespace mindrova
