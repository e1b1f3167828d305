#pragma once
// The modeless list of the session's keyboard shortcuts; the session keeps running behind it.

#include <QDialog>

class QPushButton;
class QTreeWidget;

namespace mindrova {

class frmShortcuts : public QDialog {
    Q_OBJECT
public:
    explicit frmShortcuts(QWidget* owner = nullptr);

    QTreeWidget* ltvShortcuts = nullptr;
    QWidget* picBottom = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void Form_Load();
    void FitToContent();
    void Form_Activate();

    bool mActivated = false;
};

// Shows the one open shortcuts dialog, or builds a new one when none is open.
void KeyboardShortcuts(QWidget* owner);

}  // namespace mindrova
