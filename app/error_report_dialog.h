#pragma once
// Makes ReportError open the error report dialog.

namespace mindrova {

// One report dialog at a time: a failure reported while one is open, or a failure of the dialog
// itself, is written to standard error instead, so reports can never pile up or recurse.
void InstallErrorReportDialog();

}  // namespace mindrova
