#pragma once
// The journal window: a chart of the ratings over time for one issue, every entry in a table
// newest first, and deleting and exporting the entries.

#include <QDialog>
#include <memory>

#include "journal/journal_store.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace mindrova {

class JournalChart;
class TextTableModel;

class frmJournal : public QDialog {
    Q_OBJECT
public:
    // Reads the journal at filePath; a missing file is shown as an empty journal, not created.
    explicit frmJournal(const QString& filePath, QWidget* parent = nullptr);
    ~frmJournal() override;

    const QList<JournalEntry>& entries() const { return mEntries; }
    // A problem the journal had during the session, in full, above everything else.
    void ShowProblem(const QString& text);

    void cmdDelete_Click();
    void cmdDeleteAll_Click();
    void cmdExport_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildControls();
    void FitStatusHeight();
    void FitToScreen();
    void Reload();
    void SizeColumns();
    void ShowIssue(const QString& issue);
    void ShowStatus();
    void EnableButtons();
    int SelectedRow() const;

    QString mPath;
    std::unique_ptr<JournalStore> mStore;
    QList<JournalEntry> mEntries;
    QString mStatus;
    QString mNotice;

    QLabel* mStatusLabel = nullptr;
    QTableView* mTable = nullptr;
    TextTableModel* mTableModel = nullptr;
    QComboBox* mIssue = nullptr;
    JournalChart* mChart = nullptr;
    QPushButton* mDelete = nullptr;
    QPushButton* mDeleteAll = nullptr;
    QPushButton* mExport = nullptr;
    QPushButton* mClose = nullptr;
};

}  // namespace mindrova
