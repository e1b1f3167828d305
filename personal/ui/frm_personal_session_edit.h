#pragma once
// The editor of one personal session: its title, set-up statement, the lines of the negative and
// positive rounds (one a row of a list, see personal_lines_editor.h) and its own pace, or the pace
// of the session options. Save keeps the dialog open and says why, in a line above the buttons,
// while what is typed cannot be kept: when it breaks a rule, and when its file cannot be written
// (then Save tries again, and Save elsewhere exports it to a place the user chooses).

#include <QDialog>
#include <QStringList>
#include <functional>

#include "engine/personal_session.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace mindrova {

class PersonalLinesEditor;

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

    // Keeps what the editor holds: true once it is kept; otherwise false with why in error, or
    // with an empty error when the user chose not to keep it just now.
    using SaveSession = std::function<bool(const PersonalSession& session, QString* error)>;
    // Without one, Save only checks what is typed.
    void SetSave(SaveSession save) { mSave = std::move(save); }

    void accept() override;
    void cmdSaveElsewhere_Click();

private:
    void ShowFault(const QString& fault);
    void ShowSaveProblem(const QString& text);

    SaveSession mSave;
    QStringList mOtherTitles;
    QLineEdit* txtTitle = nullptr;
    QPlainTextEdit* txtSetup = nullptr;
    PersonalLinesEditor* lstNegative = nullptr;
    PersonalLinesEditor* lstPositive = nullptr;
    QSpinBox* spnSeconds = nullptr;
    QComboBox* cboRound = nullptr;
    QLabel* lblFault = nullptr;
    QLabel* lblSaveProblem = nullptr;
    QPushButton* cmdSaveElsewhere = nullptr;
};

}  // namespace mindrova
