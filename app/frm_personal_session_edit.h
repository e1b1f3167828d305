#pragma once
// The editor of one personal session: its title, set-up statement, the lines of the negative and
// positive rounds (one a row) and its own pace, or the pace of the session options. Save keeps
// the dialog open and says why, in a line above the buttons, while what is typed cannot be kept.

#include <QDialog>
#include <QStringList>

#include "engine/personal_session.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace mindrova {

class frmPersonalSessionEdit : public QDialog {
    Q_OBJECT
public:
    // otherTitles: the titles of the other sessions, which this one may not take.
    frmPersonalSessionEdit(const PersonalSession& session, const QStringList& otherTitles,
                           QWidget* parent = nullptr);

    // The session as the controls hold it now: blanks around the texts and empty rows dropped.
    PersonalSession Session() const;
    // Why Save would refuse what is typed now; empty when it would save.
    QString Fault() const;

    void accept() override;

private:
    QStringList mOtherTitles;
    QLineEdit* txtTitle = nullptr;
    QPlainTextEdit* txtSetup = nullptr;
    QPlainTextEdit* txtNegative = nullptr;
    QPlainTextEdit* txtPositive = nullptr;
    QSpinBox* spnSeconds = nullptr;
    QComboBox* cboRound = nullptr;
    QLabel* lblFault = nullptr;
};

}  // namespace mindrova
