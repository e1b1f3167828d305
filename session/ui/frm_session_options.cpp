#include "session/ui/frm_session_options.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "support/ui/dialog_button.h"
#include "support/ui/dialog_button_row.h"
#include "session/session_options.h"
#include "support/error_trap.h"
#include "support/modal_seam.h"

namespace mindrova {

frmSessionOptions::frmSessionOptions(const SessionPace& pace, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSessionOptions"));
    setWindowTitle(tr("Session options"));
    setModal(true);

    spnSecondsPerPoint = new QSpinBox(this);
    spnSecondsPerPoint->setObjectName(QStringLiteral("spnSecondsPerPoint"));
    spnSecondsPerPoint->setAccessibleName(tr("Seconds per point"));
    spnSecondsPerPoint->setRange(SECONDS_PER_POINT_MIN, SECONDS_PER_POINT_MAX);
    spnSecondsPerPoint->setValue(ValidSecondsPerPoint(pace.secondsPerPoint));

    cboRound = new QComboBox(this);
    cboRound->setObjectName(QStringLiteral("cboRound"));
    cboRound->setAccessibleName(tr("Round"));
    cboRound->addItem(tr("All sixteen points"), int(RoundKind::Full));
    cboRound->addItem(tr("One side per round, eight points"), int(RoundKind::OneSide));
    cboRound->setCurrentIndex(std::max(0, cboRound->findData(int(pace.round))));
    cboRound->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto* secondsLabel = new QLabel(tr("&Seconds per point:"), this);
    secondsLabel->setBuddy(spnSecondsPerPoint);
    auto* roundLabel = new QLabel(tr("&Round:"), this);
    roundLabel->setBuddy(cboRound);

    QPushButton* cmdOK = DialogButton(tr("&OK"), "cmdOK", this);
    QPushButton* cmdCancel = DialogButton(tr("&Cancel"), "cmdCancel", this);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(secondsLabel, spnSecondsPerPoint);
    form->addRow(roundLabel, cboRound);
    QHBoxLayout* buttons = AcceptCancelRow(*this, cmdOK, cmdCancel);
    auto* layout = new QVBoxLayout(this);
    // The dialog takes the size its content needs, in any font and text size.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setTabOrder(spnSecondsPerPoint, cboRound);
    setTabOrder(cboRound, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
}

SessionPace frmSessionOptions::ChosenPace() const {
    SessionPace pace;
    pace.secondsPerPoint = ValidSecondsPerPoint(spnSecondsPerPoint->value());
    pace.round = static_cast<RoundKind>(cboRound->currentData().toInt());
    return pace;
}

bool ShowSessionOptionsDialog(QWidget* owner) {
    bool saved = false;
    Trap({"frmSessionOptions", "ShowSessionOptionsDialog"}, [&] {
        frmSessionOptions dialog(LoadSessionOptions(), owner);
        if (RunModalDialog(dialog) != QDialog::Accepted) return;
        saved = SaveSessionOptions(dialog.ChosenPace());
    });
    return saved;
}

}  // namespace mindrova
