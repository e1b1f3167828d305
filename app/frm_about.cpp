#include "app/frm_about.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QVBoxLayout>

#include "app/about_texts.h"
#include "support/ui/center_form.h"
#include "support/ui/dialog_size.h"
#include "app/web_pages.h"
#include "support/ui/window_fonts.h"
#include "support/modal_seam.h"
#include "support/program_version.h"
#include "support/report_address.h"

namespace mindrova {
namespace {

QLabel* NewLabel(QWidget* parent, const char* name, double pointSize = 9, bool bold = false) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(UiFont(pointSize, bold));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QLabel* NewPicture(QWidget* parent, const char* name, const QString& resource,
                   const QString& description) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setPixmap(QIcon(resource).pixmap(64, 64));
    picture->setAlignment(Qt::AlignCenter);
    picture->setAccessibleName(description);
    return picture;
}

}  // namespace

frmAbout_NEW::frmAbout_NEW(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout_NEW"));
    setModal(true);
    BuildControls();
    Form_Load();
}

void frmAbout_NEW::BuildControls() {
    picProgLogo = NewPicture(this, "picProgLogo", QStringLiteral(":/resources/app_icon.svg"),
                             QString::fromLatin1(kProgramTitle));
    picCompanyLogo =
        NewPicture(this, "picCompanyLogo", QStringLiteral(":/resources/maker_logo.svg"),
                   QString::fromLatin1(kMakerName));
    lblTitle = NewLabel(this, "lblTitle", 14, true);
    lblVersion = NewLabel(this, "lblVersion");
    lblBuild = NewLabel(this, "lblBuild");
    lblCopyright = NewLabel(this, "lblCopyright");
    lblDisclaimer = NewLabel(this, "lblDisclaimer", 8);
    lblAddress = NewLabel(this, "lblAddress");
    lblDeveloped = NewLabel(this, "lblDeveloped");

    lblWebAddress = new QPushButton(this);
    lblWebAddress->setObjectName(QStringLiteral("lblWebAddress"));
    lblWebAddress->setFlat(true);
    lblWebAddress->setAutoDefault(false);
    lblWebAddress->setCursor(Qt::PointingHandCursor);
    lblWebAddress->setFocusPolicy(Qt::StrongFocus);
    lblWebAddress->setStyleSheet(
        QStringLiteral("QPushButton { color: palette(link); text-decoration: underline;"
                       " border: none; padding: 0; text-align: left; }"
                       "QPushButton:focus { outline: 1px dotted palette(link); }"));
    lblWebAddress->setFont(UiFont(9));
    connect(lblWebAddress, &QPushButton::clicked, this, &frmAbout_NEW::lblWebAddress_Click);

    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setFont(UiFont(9));
    cmdOK->setAccessibleName(tr("OK"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* heading = new QVBoxLayout;
    heading->addWidget(lblTitle);
    heading->addWidget(lblVersion);
    heading->addWidget(lblBuild);
    heading->addWidget(lblCopyright);
    auto* top = new QHBoxLayout;
    top->addWidget(picProgLogo, 0, Qt::AlignTop);
    top->addLayout(heading, 1);

    auto* maker = new QVBoxLayout;
    maker->addWidget(lblAddress);
    maker->addWidget(lblWebAddress, 0, Qt::AlignLeft);
    maker->addWidget(lblDeveloped);
    auto* middle = new QHBoxLayout;
    middle->addWidget(picCompanyLogo, 0, Qt::AlignTop);
    middle->addLayout(maker, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addWidget(lblDisclaimer);
    layout->addLayout(buttons);
    setMinimumWidth(440);
}

void frmAbout_NEW::Form_Load() {
    lblCopyright->setText(AboutCopyrightText());
    lblDisclaimer->setText(AboutDisclaimerText());
    // Built with CR LF; the label breaks lines at LF alone.
    lblAddress->setText(AboutAddressText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    mstrWebAddress = HomePageAddress();
    lblWebAddress->setText(mstrWebAddress);
    lblWebAddress->setToolTip(mstrWebAddress);
    lblWebAddress->setAccessibleName(mstrWebAddress);
    lblWebAddress->setAccessibleDescription(tr("Opens the web site in the browser"));

    setWindowTitle(AboutCaption());
    lblVersion->setText(AboutVersionText());
    lblBuild->setText(AboutBuildText());
    lblTitle->setText(QString::fromLatin1(kProgramTitle));
    lblDeveloped->setText(AboutDevelopedText());

    for (QLabel* label :
         {lblTitle, lblVersion, lblBuild, lblCopyright, lblDisclaimer, lblAddress, lblDeveloped}) {
        label->setAccessibleName(label->text());
    }
    // Centred once the texts have given the dialog its final size, within the screen.
    adjustSize();
    FitIntoRoom(this);
    CenterForm(*this);
}

void frmAbout_NEW::lblWebAddress_Click() {
    OpenWebPage(this, mstrWebAddress.trimmed(), false);
}

void ShowAboutBox() {
    frmAbout_NEW about;
    RunModalDialog(about);
}

}  // namespace mindrova
