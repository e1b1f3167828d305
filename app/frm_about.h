#pragma once
// The About box: program and maker, version, legal notes and the web site link.

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace mindrova {

class frmAbout_NEW : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout_NEW(QWidget* parent = nullptr);

    // The address a click on lblWebAddress opens.
    const QString& webAddress() const { return mstrWebAddress; }

private:
    void BuildControls();
    void Form_Load();
    void lblWebAddress_Click();

    QString mstrWebAddress;

    // Controls, named as the dialog's design names them; tests reach them by object name.
    QLabel* picProgLogo = nullptr;
    QLabel* picCompanyLogo = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblBuild = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QLabel* lblAddress = nullptr;
    QLabel* lblDeveloped = nullptr;
    // Looks like a link and takes the keyboard focus like a button.
    QPushButton* lblWebAddress = nullptr;
    QPushButton* cmdOK = nullptr;
};

// Runs a fresh About box modally; returns when it has closed.
void ShowAboutBox();

}  // namespace mindrova
