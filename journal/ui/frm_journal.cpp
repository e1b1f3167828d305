#include "journal/ui/frm_journal.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSet>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableView>

#include "journal/ui/journal_chart.h"
#include "journal/ui/journal_chart_marks.h"
#include "journal/ui/text_table_model.h"
#include "journal/journal_csv.h"
#include "journal/journal_files.h"
#include "support/error_trap.h"
#include "support/modal_seam.h"

namespace mindrova {
namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd HH:mm");

enum Column { kDate, kIssue, kFirst, kLater, kLast, kRounds, kMinutes, kOwnWords };

QString LaterRatingsText(const QList<int>& ratings) {
    QStringList texts;
    for (const int r : ratings) texts << QString::number(r);
    return texts.join(QStringLiteral(", "));
}

// A session of less than half a minute is kept as 0 minutes: it did take some time.
QString MinutesText(int minutes) {
    return minutes < 1 ? QCoreApplication::translate("mindrova::frmJournal", "< 1")
                       : QString::number(minutes);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(
        QString(caption).remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    return button;
}

// Where an export is offered first: the user's documents, or home where there is no such folder.
QString ExportFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace

frmJournal::frmJournal(const QString& filePath, QWidget* parent)
    : QDialog(parent), mPath(filePath) {
    setObjectName(QStringLiteral("frmJournal"));
    setWindowTitle(tr("Journal"));
    setAccessibleName(tr("Journal"));
    BuildControls();
    // Reading must not make a journal the user has not kept.
    if (QFileInfo::exists(filePath)) {
        mStore = std::make_unique<JournalStore>(filePath);
        if (!mStore->Open()) {
            mStatus = mStore->Problem() == JournalProblem::NewerLayout
                          ? tr("This journal was written by a newer version of "
                               "Mindrova and cannot be shown here.")
                          : tr("The journal could not be opened.");
            if (mStore->Problem() == JournalProblem::DamagedInUse) {
                mStatus =
                    tr("The journal could not be read, and another program is using it, so it "
                       "is left as it is.");
            }
            mStore.reset();
        } else if (mStore->Problem() == JournalProblem::Damaged) {
            mStatus = tr("The journal could not be read; it is kept as %1 and a new "
                         "one has been started.")
                          .arg(mStore->KeptAside());
        }
    }
    Reload();
    FitToScreen();
}

frmJournal::~frmJournal() = default;

void frmJournal::BuildControls() {
    auto* layout = new QVBoxLayout(this);

    auto* topRow = new QHBoxLayout;
    mStatusLabel = new QLabel(this);
    mStatusLabel->setObjectName(QStringLiteral("lblJournalStatus"));
    // It can name files and carry what the journal file holds: never read as markup.
    mStatusLabel->setTextFormat(Qt::PlainText);
    mStatusLabel->setWordWrap(true);
    mStatusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mStatusLabel->setMinimumWidth(20 * mStatusLabel->fontMetrics().averageCharWidth());
    topRow->addWidget(mStatusLabel, 1);
    auto* issueLabel = new QLabel(tr("&Chart for:"), this);
    issueLabel->setObjectName(QStringLiteral("lblJournalIssue"));
    issueLabel->setTextFormat(Qt::PlainText);
    mIssue = new QComboBox(this);
    mIssue->setObjectName(QStringLiteral("cboJournalIssue"));
    mIssue->setAccessibleName(tr("Issue shown in the chart"));
    mIssue->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    issueLabel->setBuddy(mIssue);
    topRow->addWidget(issueLabel, 0, Qt::AlignTop);
    topRow->addWidget(mIssue, 0, Qt::AlignTop);
    layout->addLayout(topRow);

    mChart = new JournalChart(this);
    mChart->setObjectName(QStringLiteral("chtJournal"));
    mChart->setAccessibleName(tr("Chart of the ratings over time"));
    mChart->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(mChart, 3);

    mTableModel =
        new TextTableModel({tr("Date"), tr("Issue"), tr("First rating"), tr("Later ratings"),
                            tr("Last rating"), tr("Rounds"), tr("Minutes"), tr("Own words")},
                           this);
    mTableModel->SetCentred({kFirst, kLater, kLast, kRounds, kMinutes});
    mTable = new QTableView(this);
    mTable->setObjectName(QStringLiteral("tblJournal"));
    mTable->setAccessibleName(tr("Journal entries, newest first"));
    mTable->setModel(mTableModel);
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mTable->setSelectionMode(QAbstractItemView::SingleSelection);
    mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mTable->setTabKeyNavigation(false);
    mTable->setWordWrap(false);
    mTable->verticalHeader()->setVisible(false);
    // Uniform rows: the view never measures ten thousand of them.
    mTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    mTable->horizontalHeader()->setStretchLastSection(true);
    mTable->horizontalHeader()->setHighlightSections(false);
    // Three rows at the least, so the table never shrinks to its header.
    mTable->setMinimumHeight(mTable->horizontalHeader()->sizeHint().height() +
                             3 * mTable->verticalHeader()->defaultSectionSize() +
                             2 * mTable->frameWidth());
    layout->addWidget(mTable, 2);

    auto* buttons = new QHBoxLayout;
    mDelete = MakeButton(this, "cmdJournalDelete", tr("&Delete..."));
    mDeleteAll = MakeButton(this, "cmdJournalDeleteAll", tr("Delete &All..."));
    mExport = MakeButton(this, "cmdJournalExport", tr("&Export CSV..."));
    mClose = MakeButton(this, "cmdJournalClose", tr("Close"));
    mDelete->setAccessibleDescription(tr("Deletes the entry chosen in the table"));
    for (QPushButton* b : {mDelete, mDeleteAll, mExport}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(mClose);
    layout->addLayout(buttons);
    mClose->setDefault(true);

    connect(mDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(mDeleteAll, &QPushButton::clicked, this, [this] { cmdDeleteAll_Click(); });
    connect(mExport, &QPushButton::clicked, this, [this] { cmdExport_Click(); });
    connect(mClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(mIssue, &QComboBox::currentTextChanged, this,
            [this](const QString& issue) { ShowIssue(issue); });
    connect(mTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { EnableButtons(); });
    auto* deleteKey = new QShortcut(QKeySequence::Delete, mTable);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, [this] {
        if (mDelete->isEnabled()) cmdDelete_Click();
    });
}

void frmJournal::FitToScreen() {
    // Room for the chart to label every rating, within the screen less a window frame and title.
    // (The program opens every dialog within the room the desktop's panels leave it: see
    // FitIntoRoom. The window takes only the modal seam from the program.)
    const QSize frame(16, 48);
    QSize size(1000, 720);
    if (const QScreen* shown = screen()) {
        size = size.boundedTo(shown->availableGeometry().size() - frame);
    }
    resize(size.expandedTo(minimumSizeHint()));
}

void frmJournal::Reload() {
    mEntries = mStore ? mStore->LoadAll() : QList<JournalEntry>{};
    QList<QStringList> rows;
    rows.reserve(mEntries.size());
    QStringList issues;
    QSet<QString> seen;
    for (const JournalEntry& e : mEntries) {
        rows << QStringList{e.started.toString(kDateFormat), e.issue,
                            QString::number(e.firstRating),  LaterRatingsText(e.laterRatings),
                            QString::number(e.lastRating()), QString::number(e.rounds),
                            MinutesText(e.minutes),          e.ownWords};
        if (!seen.contains(e.issue)) {
            seen.insert(e.issue);
            issues << e.issue;  // the most recent issue first
        }
    }
    mTableModel->SetRows(std::move(rows));
    SizeColumns();
    const QString shown = mIssue->currentText();
    {
        const QSignalBlocker quiet(mIssue);
        mIssue->clear();
        mIssue->addItems(issues);
        if (issues.contains(shown)) mIssue->setCurrentText(shown);
    }
    ShowIssue(mIssue->currentText());
    mIssue->setEnabled(!mEntries.isEmpty());
    EnableButtons();
    ShowStatus();
}

void frmJournal::SizeColumns() {
    QHeaderView* header = mTable->horizontalHeader();
    const QFontMetrics text = mTable->fontMetrics();
    const QFontMetrics heading = header->fontMetrics();
    const int padding = 2 * text.averageCharWidth() + 8;
    const auto fit = [&](int column, int contentWidth) {
        const int title = heading.horizontalAdvance(
            mTableModel->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        header->resizeSection(column, std::max(title, contentWidth) + padding);
    };
    fit(kDate, text.horizontalAdvance(QStringLiteral("0000-00-00 00:00")));
    for (const int column : {kFirst, kLast}) {
        fit(column, text.horizontalAdvance(QStringLiteral("10")));
    }
    for (const int column : {kRounds, kMinutes}) {
        fit(column, text.horizontalAdvance(QStringLiteral("000")));
    }
    // The longest issue and ratings, within reason: the own words take the rest of the width.
    // Only the longest texts are measured, so ten thousand entries cost no time.
    QString issue;
    QString later;
    for (const QStringList& row : mTableModel->Rows()) {
        if (row.at(kIssue).size() > issue.size()) issue = row.at(kIssue);
        if (row.at(kLater).size() > later.size()) later = row.at(kLater);
    }
    const int widest = 30 * text.averageCharWidth();
    fit(kIssue, std::min(text.horizontalAdvance(issue), widest));
    fit(kLater, std::min(text.horizontalAdvance(later), widest));
}

void frmJournal::ShowProblem(const QString& text) {
    if (text.isEmpty()) return;
    auto* problem = new QLabel(this);
    problem->setObjectName(QStringLiteral("lblJournalProblem"));
    // The text names files and comes from the file system: shown exactly as written.
    problem->setTextFormat(Qt::PlainText);
    problem->setWordWrap(true);
    problem->setText(text);
    problem->setAccessibleName(text);
    if (auto* box = qobject_cast<QBoxLayout*>(layout())) {
        box->insertWidget(0, problem);
    } else if (layout()) {
        layout()->addWidget(problem);
    }
}

void frmJournal::ShowStatus() {
    // "1 entry." stays a text of its own: with no translation loaded, %n gives no plural.
    QString text =
        mEntries.size() == 1 ? tr("1 entry.") : tr("%n entries.", nullptr, int(mEntries.size()));
    if (mEntries.isEmpty()) text = tr("Your journal is empty.");
    if (!mStatus.isEmpty()) text = mStatus + QLatin1Char(' ') + text;
    if (!mNotice.isEmpty()) text += QLatin1Char(' ') + mNotice;
    mStatusLabel->setText(text);
    mStatusLabel->setAccessibleName(text);
    FitStatusHeight();
}

void frmJournal::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FitStatusHeight();
}

// A wrapped label's height depends on its width, which a window's minimum size does not follow:
// without this, a long notice in a narrow window would push the chart under the table.
void frmJournal::FitStatusHeight() {
    const int needed = mStatusLabel->heightForWidth(mStatusLabel->width());
    if (needed > 0 && needed != mStatusLabel->minimumHeight()) {
        mStatusLabel->setMinimumHeight(needed);
    }
}

void frmJournal::EnableButtons() {
    const bool any = !mEntries.isEmpty();
    mDelete->setEnabled(mStore && SelectedRow() >= 0);
    mDeleteAll->setEnabled(any || !DamagedCopies(mPath).isEmpty());
    mExport->setEnabled(any);
}

int frmJournal::SelectedRow() const {
    const QModelIndexList rows = mTable->selectionModel()->selectedRows();
    if (rows.isEmpty()) return -1;
    const int row = rows.constFirst().row();
    return row < mEntries.size() ? row : -1;
}

void frmJournal::ShowIssue(const QString& issue) {
    QList<JournalEntry> sessions;
    // Oldest first, as time runs along the axis.
    for (auto it = mEntries.crbegin(); it != mEntries.crend(); ++it) {
        if (it->issue == issue) sessions << *it;
    }
    mChart->ShowSessions(sessions);
    const QString description =
        sessions.isEmpty() ? tr("No ratings to show.")
                           : tr("%n sessions on %1, oldest first: the first and the last rating of "
                                "each. The table below lists every entry.",
                                nullptr, int(sessions.size()))
                                     .arg(issue) +
                                 QLatin1Char(' ') + ChartChangesSummary(sessions);
    mChart->setAccessibleDescription(description);
}

void frmJournal::cmdDelete_Click() {
    Trap({"frmJournal", "cmdDelete_Click"}, [&] {
        const int row = SelectedRow();
        if (!mStore || row < 0) return;
        const JournalEntry entry = mEntries.at(row);
        const MessageAnswer answer = ShowMessage(
            {tr("Journal"),
             tr("Delete the entry of %1 for \u201C%2\u201D? This cannot be undone.")
                 .arg(entry.started.toString(kDateFormat), entry.issue),
             MessageIcon::Question, MessageButtons::DeleteCancel, MessageAnswer::Cancel});
        if (answer != MessageAnswer::Delete) return;
        mNotice = mStore->Remove(entry.key)
                      ? QString()
                      : tr("The entry could not be deleted; the journal is unchanged.");
        Reload();
        if (!mEntries.isEmpty()) {
            mTable->selectRow(std::min<int>(row, int(mEntries.size()) - 1));
        }
    });
}

void frmJournal::cmdDeleteAll_Click() {
    Trap({"frmJournal", "cmdDeleteAll_Click"}, [&] {
        // The copies kept aside hold old entries too: "cannot be undone" covers them as well.
        const QStringList copies = DamagedCopies(mPath);
        if (mEntries.isEmpty() && copies.isEmpty()) return;
        QStringList names;
        for (const QString& copy : copies) names << QFileInfo(copy).fileName();
        const QString copiesText = names.join(QStringLiteral(", "));
        QString question;
        if (mEntries.isEmpty()) {
            question = tr("Delete the copies of your journal kept aside because they could "
                          "not be read (%1)? This cannot be undone.")
                           .arg(copiesText);
        } else {
            question = tr("Delete all %n entries of your journal? This cannot be undone.", nullptr,
                          int(mEntries.size()));
        }
        if (!mEntries.isEmpty() && !copies.isEmpty()) {
            question +=
                QLatin1Char(' ') + tr("The copies kept aside because they could not be read are "
                                      "deleted too: %1.")
                                       .arg(copiesText);
        }
        const MessageAnswer answer = ShowMessage({tr("Journal"), question, MessageIcon::Question,
                                                  MessageButtons::YesNo, MessageAnswer::No});
        if (answer != MessageAnswer::Yes) return;
        if (mStore) mStore->RemoveAll();
        bool copiesGone = true;
        for (const QString& copy : copies)
            copiesGone = DeleteJournalFiles(copy, false) && copiesGone;
        Reload();
        if (!copiesGone) {
            ShowMessage({tr("Journal"),
                         tr("Some copies kept aside could not be deleted. You can "
                            "delete the files journal.damaged-* in %1 yourself.")
                             .arg(QFileInfo(mPath).absolutePath()),
                         MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
        }
    });
}

void frmJournal::cmdExport_Click() {
    Trap({"frmJournal", "cmdExport_Click"}, [&] {
        const QString folder = ExportFolder();
        QFileDialog dialog(this, tr("Export the journal"), folder, tr("CSV files (*.csv)"));
        dialog.setObjectName(QStringLiteral("dlgJournalExport"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        dialog.selectFile(QDir(folder).filePath(QStringLiteral("journal.csv")));
        if (RunModalDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return;
        }
        const QString target = dialog.selectedFiles().constFirst();
        QString error;
        if (WriteJournalCsv(target, mEntries, &error)) {
            mNotice = tr("The journal was exported to %1.").arg(QDir::toNativeSeparators(target));
            ShowStatus();
            return;
        }
        ShowMessage({tr("Journal"),
                     tr("The journal could not be exported to %1. Nothing in the "
                        "journal has changed.")
                         .arg(QDir::toNativeSeparators(target)),
                     MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
    });
}

}  // namespace mindrova
