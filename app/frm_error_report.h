#pragma once
// The modal error report: what happened, the summary, the user's comments and e-mail, and the
// choice to send the report through the browser or not.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "support/error_report.h"

namespace mindrova {

class frmErrorReport : public QDialog {
    Q_OBJECT
public:
    explicit frmErrorReport(QWidget* parent = nullptr);
    ~frmErrorReport() override;

    // Stores the values, loads the dialog and runs it modally; returns once it has closed.
    int ShowUp(qint32 plngErrNum, const QString& pstrErrDesc, const QString& pstrProgVer,
               qint32 plngBuildNum, const QString& pstrModuleName, const QString& pstrProcName,
               const QString& pstrExtraDesc);

    const ErrorRecord& record() const { return mRecord; }

    void done(int result) override;

private:
    void BuildControls();
    void Form_Load();
    void SendReport();
    void RestoreCursor();

    ErrorRecord mRecord;
    bool mblnSending = false;
    bool mCursorOverridden = false;

    // Controls, named as the dialog's design names them; tests reach them by object name.
    QLabel* lblTitle = nullptr;
    QLabel* lblIntro = nullptr;
    QLabel* lblComments = nullptr;
    QPlainTextEdit* txtErrDesc = nullptr;
    QLabel* lblName = nullptr;
    QLineEdit* txtComments = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblEmail = nullptr;
    QLineEdit* txtEmail = nullptr;
    QPushButton* cmdSend = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLabel* Image1 = nullptr;
};

}  // namespace mindrova
