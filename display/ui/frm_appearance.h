#pragma once
// The Appearance dialog: the window's look (the desktop's, light, dark or high contrast) and the
// size of its text, and the language the program speaks from its next start. Every control has a
// name and a keyboard way to it.

#include <QDialog>

#include "display/display_settings.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace mindrova {

class frmAppearance : public QDialog {
    Q_OBJECT
public:
    explicit frmAppearance(const DisplaySettings& settings, QWidget* parent = nullptr);

    // The choices as the controls show them now.
    Appearance ChosenAppearance() const;
    int ChosenTextScale() const;
    // Empty for following the desktop, else "en", "de", "es" or "fr".
    QString ChosenLanguage() const;
    bool ChosenFollowRound() const;

private:
    QComboBox* cboAppearance = nullptr;
    QSpinBox* spnTextSize = nullptr;
    QComboBox* cboLanguage = nullptr;
    QCheckBox* chkFollowRound = nullptr;
};

// Runs the dialog modally from the saved choices and saves what the user confirms; true when the
// choices were saved.
bool ShowAppearanceDialog(QWidget* owner);

}  // namespace mindrova
