#include "app/frm_appearance.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/dialog_button.h"
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

    auto* lookLabel = new QLabel(tr("&Appearance:"), this);
    lookLabel->setBuddy(cboAppearance);
    auto* sizeLabel = new QLabel(tr("&Text size:"), this);
    sizeLabel->setBuddy(spnTextSize);

    QPushButton* cmdOK = DialogButton(tr("&OK"), "cmdOK", this);
    QPushButton* cmdCancel = DialogButton(tr("&Cancel"), "cmdCancel", this);
    cmdOK->setDefault(true);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(lookLabel, cboAppearance);
    form->addRow(sizeLabel, spnTextSize);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    // The dialog takes the size its content needs, in any font and text size.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setTabOrder(cboAppearance, spnTextSize);
    setTabOrder(spnTextSize, cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

Appearance frmAppearance::ChosenAppearance() const {
    return static_cast<Appearance>(cboAppearance->currentData().toInt());
}

int frmAppearance::ChosenTextScale() const {
    return ValidTextScale(spnTextSize->value());
}

bool ShowAppearanceDialog(QWidget* owner) {
    bool saved = false;
    Trap({"frmAppearance", "ShowAppearanceDialog"}, [&] {
        frmAppearance dialog(LoadDisplaySettings(), owner);
        if (RunModalDialog(dialog) != QDialog::Accepted) return;
        const bool look = SaveAppearance(dialog.ChosenAppearance());
        const bool size = SaveTextScale(dialog.ChosenTextScale());
        saved = look || size;
    });
    return saved;
}

}  // namespace mindrova
