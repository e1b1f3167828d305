#pragma once
// The Session options dialog: how long each tapping point lasts and whether a round taps every
// point or one side's. Every control has a name and a keyboard way to it.

#include <QDialog>

#include "engine/personal_session.h"

class QComboBox;
class QSpinBox;

namespace mindrova {

class frmSessionOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmSessionOptions(const SessionPace& pace, QWidget* parent = nullptr);

    // The pace as the controls show it now.
    SessionPace ChosenPace() const;

private:
    QSpinBox* spnSecondsPerPoint = nullptr;
    QComboBox* cboRound = nullptr;
};

// Runs the dialog modally from the saved options and saves what the user confirms; true when the
// options were saved.
bool ShowSessionOptionsDialog(QWidget* owner);

}  // namespace mindrova
