#pragma once
// The journal window: the entries newest first, a chart of the ratings over time for one issue
// with the same figures as a table, and deleting and exporting the entries.

#include <QDialog>
#include <memory>

#include "journal/journal_store.h"

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace mindrova {

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

private:
    void BuildControls();
    void Reload();
    void ShowIssue(const QString& issue);
    void ShowStatus();

    QString mPath;
    std::unique_ptr<JournalStore> mStore;
    QList<JournalEntry> mEntries;
    QString mStatus;

    QLabel* mStatusLabel = nullptr;
    QTableView* mTable = nullptr;
    TextTableModel* mTableModel = nullptr;
    QComboBox* mIssue = nullptr;
    QChartView* mChart = nullptr;
    QTableView* mFigures = nullptr;
    TextTableModel* mFiguresModel = nullptr;
    QPushButton* mDelete = nullptr;
    QPushButton* mDeleteAll = nullptr;
    QPushButton* mExport = nullptr;
    QPushButton* mClose = nullptr;
};

}  // namespace mindrova
