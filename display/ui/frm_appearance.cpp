#include "display/ui/frm_appearance.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "support/ui/dialog_button.h"
#include "support/ui/dialog_button_row.h"
#include "support/error_trap.h"
#include "support/modal_seam.h"

namespace mindrova {

frmAppearance::frmAppearance(const DisplaySettings& settings, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAppearance"));
    setWindowTitle(tr("Appearance"));
    setModal(true);

    cboAppearance = new QComboBox(this);
    cboAppearance->setObjectName(QStringLiteral("cboAppearance"));
    cboAppearance->setAccessibleName(tr("Appearance"));
    cboAppearance->addItem(tr("As the desktop"), int(Appearance::System));
    cboAppearance->addItem(tr("Light"), int(Appearance::Light));
    cboAppearance->addItem(tr("Dark"), int(Appearance::Dark));
    cboAppearance->addItem(tr("High contrast"), int(Appearance::HighContrast));
    cboAppearance->setCurrentIndex(std::max(0, cboAppearance->findData(int(settings.appearance))));
    cboAppearance->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    spnTextSize = new QSpinBox(this);
    spnTextSize->setObjectName(QStringLiteral("spnTextSize"));
    spnTextSize->setAccessibleName(tr("Text size"));
    spnTextSize->setRange(TEXT_SCALE_MIN, TEXT_SCALE_MAX);
    spnTextSize->setSingleStep(TEXT_SCALE_STEP);
    spnTextSize->setSuffix(QStringLiteral(" %"));
    spnTextSize->setValue(ValidTextScale(settings.textScalePercent));

    // Each language is named in itself, so that it can be found whatever language is shown now.
    cboLanguage = new QComboBox(this);
    cboLanguage->setObjectName(QStringLiteral("cboLanguage"));
    cboLanguage->setAccessibleName(tr("Language"));
    cboLanguage->addItem(tr("Follow the desktop"), QString());
    cboLanguage->addItem(QStringLiteral("English"), QStringLiteral("en"));
    cboLanguage->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    cboLanguage->addItem(QString::fromUtf8("Espa\xC3\xB1ol"), QStringLiteral("es"));
    cboLanguage->addItem(QString::fromUtf8("Fran\u00e7ais"), QStringLiteral("fr"));
    cboLanguage->setCurrentIndex(
        std::max(0, cboLanguage->findData(ValidLanguage(settings.language))));
    cboLanguage->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* languageNote =
        new QLabel(tr("The language changes the next time Mindrova starts."), this);
    languageNote->setObjectName(QStringLiteral("lblLanguageNote"));
    cboLanguage->setAccessibleDescription(languageNote->text());

    chkFollowRound = new QCheckBox(tr("&Follow the round"), this);
    chkFollowRound->setObjectName(QStringLiteral("chkFollowRound"));
    chkFollowRound->setAccessibleDescription(
        tr("On each tapping point the line to say stands out and its place in the round shows"));
    chkFollowRound->setChecked(settings.followRound);

    auto* lookLabel = new QLabel(tr("&Appearance:"), this);
    lookLabel->setBuddy(cboAppearance);
    auto* sizeLabel = new QLabel(tr("&Text size:"), this);
    sizeLabel->setBuddy(spnTextSize);
    auto* languageLabel = new QLabel(tr("&Language:"), this);
    languageLabel->setBuddy(cboLanguage);

    QPushButton* cmdOK = DialogButton(tr("&OK"), "cmdOK", this);
    QPushButton* cmdCancel = DialogButton(tr("&Cancel"), "cmdCancel", this);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(lookLabel, cboAppearance);
    form->addRow(sizeLabel, spnTextSize);
    form->addRow(nullptr, chkFollowRound);
    form->addRow(languageLabel, cboLanguage);
    form->addRow(nullptr, languageNote);
    QHBoxLayout* buttons = AcceptCancelRow(*this, cmdOK, cmdCancel);
    auto* layout = new QVBoxLayout(this);
    // The dialog takes the size its content needs, in any font and text size.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setTabOrder(cboAppearance, spnTextSize);
    setTabOrder(spnTextSize, chkFollowRound);
    setTabOrder(chkFollowRound, cboLanguage);
    setTabOrder(cboLanguage, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
}

Appearance frmAppearance::ChosenAppearance() const {
    return static_cast<Appearance>(cboAppearance->currentData().toInt());
}

int frmAppearance::ChosenTextScale() const {
    return ValidTextScale(spnTextSize->value());
}

bool frmAppearance::ChosenFollowRound() const {
    return chkFollowRound->isChecked();
}

QString frmAppearance::ChosenLanguage() const {
    return ValidLanguage(cboLanguage->currentData().toString());
}

bool ShowAppearanceDialog(QWidget* owner) {
    bool saved = false;
    Trap({"frmAppearance", "ShowAppearanceDialog"}, [&] {
        frmAppearance dialog(LoadDisplaySettings(), owner);
        if (RunModalDialog(dialog) != QDialog::Accepted) return;
        const bool look = SaveAppearance(dialog.ChosenAppearance());
        const bool size = SaveTextScale(dialog.ChosenTextScale());
        const bool language = SaveLanguage(dialog.ChosenLanguage());
        const bool follow = SaveFollowRound(dialog.ChosenFollowRound());
        saved = look || size || language || follow;
    });
    return saved;
}

}  // namespace mindrova
