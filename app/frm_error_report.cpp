#include "app/frm_error_report.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QVBoxLayout>

#include "support/ui/center_form.h"
#include "support/ui/dialog_size.h"
#include "app/web_pages.h"
#include "support/ui/window_fonts.h"
#include "support/modal_seam.h"
#include "support/program_version.h"
#include "support/report_address.h"

namespace mindrova {
namespace {

// Enough for a few paragraphs, short enough that the address stays openable on every platform.
constexpr int kMaxCommentLength = 2000;
constexpr int kMaxEmailLength = 254;

QLabel* NewLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(UiFont(9));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString WithoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}

// The texts are built with CR LF; the widgets break lines at LF alone.
QString ForDisplay(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

frmErrorReport::frmErrorReport(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmErrorReport"));
    setWindowTitle(tr("An error occurred in ..."));
    setModal(true);
    BuildControls();
}

frmErrorReport::~frmErrorReport() {
    RestoreCursor();
}

void frmErrorReport::BuildControls() {
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QIcon(QStringLiteral(":/resources/app_icon.svg")).pixmap(48, 48));
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    Image1->setAccessibleName(QString::fromLatin1(kProgramTitle));

    lblTitle = NewLabel(this, "lblTitle", tr("Voluntary Feedback - Please Help Us"));
    lblTitle->setFont(UiFont(12, true));
    lblIntro = NewLabel(this, "lblIntro", tr("Thank you for using..."));
    lblComments = NewLabel(this, "lblComments", tr("Error Report Contents:"));

    txtErrDesc = new QPlainTextEdit(this);
    txtErrDesc->setObjectName(QStringLiteral("txtErrDesc"));
    txtErrDesc->setReadOnly(true);
    txtErrDesc->setFont(UiFont(9));
    txtErrDesc->setFixedHeight(110);

    lblName = NewLabel(this, "lblName", tr("How you got this error, and how we can reproduce it:"));
    txtComments = new QLineEdit(this);
    txtComments->setObjectName(QStringLiteral("txtComments"));
    txtComments->setMaxLength(kMaxCommentLength);
    Label1 = NewLabel(this, "Label1", tr("(Highly recommended.)"));
    lblEmail = NewLabel(this, "lblEmail",
                        tr("Your email address, so we can contact you about this "
                           "problem:"));
    txtEmail = new QLineEdit(this);
    txtEmail->setObjectName(QStringLiteral("txtEmail"));
    txtEmail->setMaxLength(kMaxEmailLength);

    lblComments->setBuddy(txtErrDesc);
    lblName->setBuddy(txtComments);
    lblEmail->setBuddy(txtEmail);
    for (QLabel* label : {lblTitle, lblIntro, lblComments, lblName, Label1, lblEmail}) {
        label->setAccessibleName(label->text());
    }
    txtErrDesc->setAccessibleName(lblComments->text());
    txtComments->setAccessibleName(lblName->text());
    txtComments->setAccessibleDescription(Label1->text());
    txtEmail->setAccessibleName(lblEmail->text());

    cmdSend = new QPushButton(tr("&Send Error Report"), this);
    cmdSend->setObjectName(QStringLiteral("cmdSend"));
    cmdSend->setDefault(true);
    cmdCancel = new QPushButton(tr("&Do Not Send"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* button : {cmdSend, cmdCancel}) {
        button->setFont(UiFont(9));
        button->setAccessibleName(WithoutMnemonic(button->text()));
    }
    connect(cmdSend, &QPushButton::clicked, this, &frmErrorReport::SendReport);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* heading = new QVBoxLayout;
    heading->addWidget(lblTitle);
    heading->addWidget(lblIntro);
    auto* top = new QHBoxLayout;
    top->addWidget(Image1);
    top->addLayout(heading, 1);

    auto* commentsCaption = new QHBoxLayout;
    commentsCaption->addWidget(lblName, 1);
    commentsCaption->addWidget(Label1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSend);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lblComments);
    layout->addWidget(txtErrDesc);
    layout->addLayout(commentsCaption);
    layout->addWidget(txtComments);
    layout->addWidget(lblEmail);
    layout->addWidget(txtEmail);
    layout->addLayout(buttons);
    setMinimumWidth(520);
}

int frmErrorReport::ShowUp(qint32 plngErrNum, const QString& pstrErrDesc,
                           const QString& pstrProgVer, qint32 plngBuildNum,
                           const QString& pstrModuleName, const QString& pstrProcName,
                           const QString& pstrExtraDesc) {
    mRecord = {plngErrNum,     pstrErrDesc,  pstrProgVer,  plngBuildNum,
               pstrModuleName, pstrProcName, pstrExtraDesc};
    Form_Load();
    const int result = RunModalDialog(*this);
    RestoreCursor();
    return result;
}

void frmErrorReport::Form_Load() {
    if (!mCursorOverridden) {
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        mCursorOverridden = true;
    }
    const QString title = QString::fromLatin1(kProgramTitle);
    setWindowTitle(tr("Uh Oh... an error occurred in %1").arg(title));
    // The trailing space is the dialog's own, kept as it always was.
    lblTitle->setText(tr("%1 Problem ").arg(title));
    lblIntro->setText(ForDisplay(BuildIntroText()));
    txtErrDesc->setPlainText(ForDisplay(BuildErrorText(mRecord)));
    lblTitle->setAccessibleName(lblTitle->text());
    lblIntro->setAccessibleName(lblTitle->text());
    lblIntro->setAccessibleDescription(lblIntro->text());
    // Centred once the texts have given the dialog its final size, within the screen.
    adjustSize();
    FitIntoRoom(this);
    CenterForm(*this);
}

void frmErrorReport::SendReport() {
    if (mblnSending) return;
    mblnSending = true;
    const QString address = ErrorReportAddress(mRecord, txtComments->text(), txtEmail->text());
    OpenWebPage(this, address, true);
    mblnSending = false;
    accept();
}

void frmErrorReport::done(int result) {
    RestoreCursor();
    QDialog::done(result);
}

void frmErrorReport::RestoreCursor() {
    if (!mCursorOverridden) return;
    mCursorOverridden = false;
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace mindrova
