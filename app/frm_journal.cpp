#include "app/frm_journal.h"

#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSaveFile>
#include <QSet>
#include <QSplitter>
#include <QTableView>
#include <QValueAxis>

#include "app/text_table_model.h"
#include "journal/journal_csv.h"
#include "journal/journal_files.h"
#include "support/error_trap.h"
#include "support/modal_seam.h"

namespace mindrova {
namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd HH:mm");

QTableView* MakeTable(QWidget* parent, const char* name, const QString& accessibleName,
                      TextTableModel* model) {
    auto* table = new QTableView(parent);
    table->setObjectName(QLatin1String(name));
    table->setAccessibleName(accessibleName);
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->setVisible(false);
    // Uniform rows: the view never measures ten thousand of them.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(
        QString(caption).remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    return button;
}

}  // namespace

frmJournal::frmJournal(const QString& filePath, QWidget* parent)
    : QDialog(parent), mPath(filePath) {
    setObjectName(QStringLiteral("frmJournal"));
    setWindowTitle(QStringLiteral("Journal"));
    setAccessibleName(QStringLiteral("Journal"));
    BuildControls();
    // Reading must not make a journal the user has not kept.
    if (QFileInfo::exists(filePath)) {
        mStore = std::make_unique<JournalStore>(filePath);
        if (!mStore->Open()) {
            mStatus = mStore->Problem() == JournalProblem::NewerLayout
                          ? QStringLiteral(
                                "This journal was written by a newer version of "
                                "Mindrova and cannot be shown here.")
                          : QStringLiteral("The journal could not be opened.");
            if (mStore->Problem() == JournalProblem::DamagedInUse) {
                mStatus = QStringLiteral(
                    "The journal could not be read, and another program is using it, so it "
                    "is left as it is.");
            }
            mStore.reset();
        } else if (mStore->Problem() == JournalProblem::Damaged) {
            mStatus = QStringLiteral(
                          "The journal could not be read; it is kept as %1 and a new "
                          "one has been started.")
                          .arg(mStore->KeptAside());
        }
    }
    Reload();
}

frmJournal::~frmJournal() = default;

void frmJournal::BuildControls() {
    resize(900, 640);
    auto* layout = new QVBoxLayout(this);

    mStatusLabel = new QLabel(this);
    mStatusLabel->setObjectName(QStringLiteral("lblJournalStatus"));
    mStatusLabel->setWordWrap(true);
    layout->addWidget(mStatusLabel);

    mTableModel = new TextTableModel(
        {QStringLiteral("Date"), QStringLiteral("Issue"), QStringLiteral("Own words"),
         QStringLiteral("First rating"), QStringLiteral("Last rating")},
        this);
    mTable =
        MakeTable(this, "tblJournal", QStringLiteral("Journal entries, newest first"), mTableModel);
    layout->addWidget(mTable, 3);

    auto* chartRow = new QHBoxLayout;
    auto* issueLabel = new QLabel(QStringLiteral("&Chart for:"), this);
    mIssue = new QComboBox(this);
    mIssue->setObjectName(QStringLiteral("cboJournalIssue"));
    mIssue->setAccessibleName(QStringLiteral("Issue shown in the chart"));
    issueLabel->setBuddy(mIssue);
    chartRow->addWidget(issueLabel);
    chartRow->addWidget(mIssue, 1);
    layout->addLayout(chartRow);

    auto* chartArea = new QHBoxLayout;
    mChart = new QChartView(this);
    mChart->setObjectName(QStringLiteral("chtJournal"));
    mChart->setAccessibleName(QStringLiteral("Chart of the ratings over time"));
    mChart->setRenderHint(QPainter::Antialiasing);
    mChart->setFocusPolicy(Qt::StrongFocus);
    chartArea->addWidget(mChart, 3);
    // The chart's text alternative: the very figures it draws.
    mFiguresModel = new TextTableModel(
        {QStringLiteral("Date"), QStringLiteral("First rating"), QStringLiteral("Last rating")},
        this);
    mFigures =
        MakeTable(this, "tblJournalChartFigures",
                  QStringLiteral("Chart figures: first and last rating by date"), mFiguresModel);
    chartArea->addWidget(mFigures, 2);
    layout->addLayout(chartArea, 3);

    auto* buttons = new QHBoxLayout;
    mDelete = MakeButton(this, "cmdJournalDelete", QStringLiteral("&Delete"));
    mDeleteAll = MakeButton(this, "cmdJournalDeleteAll", QStringLiteral("Delete &All..."));
    mExport = MakeButton(this, "cmdJournalExport", QStringLiteral("&Export CSV..."));
    mClose = MakeButton(this, "cmdJournalClose", QStringLiteral("Close"));
    mDelete->setAccessibleDescription(QStringLiteral("Deletes the chosen entry"));
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
}

void frmJournal::Reload() {
    mEntries = mStore ? mStore->LoadAll() : QList<JournalEntry>{};
    QList<QStringList> rows;
    rows.reserve(mEntries.size());
    QStringList issues;
    QSet<QString> seen;
    for (const JournalEntry& e : mEntries) {
        rows << QStringList{e.started.toString(kDateFormat), e.issue, e.ownWords,
                            QString::number(e.firstRating), QString::number(e.lastRating())};
        if (!seen.contains(e.issue)) {
            seen.insert(e.issue);
            issues << e.issue;  // the most recent issue first
        }
    }
    mTableModel->SetRows(std::move(rows));
    const QString shown = mIssue->currentText();
    {
        const QSignalBlocker quiet(mIssue);
        mIssue->clear();
        mIssue->addItems(issues);
        if (issues.contains(shown)) mIssue->setCurrentText(shown);
    }
    ShowIssue(mIssue->currentText());
    const bool any = !mEntries.isEmpty();
    mDelete->setEnabled(any);
    mDeleteAll->setEnabled(any || !DamagedCopies(mPath).isEmpty());
    mExport->setEnabled(any);
    mIssue->setEnabled(any);
    ShowStatus();
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
    QString text = mEntries.size() == 1 ? QStringLiteral("1 entry.")
                                        : QStringLiteral("%1 entries.").arg(mEntries.size());
    if (mEntries.isEmpty()) text = QStringLiteral("Your journal is empty.");
    if (!mStatus.isEmpty()) text = mStatus + QLatin1Char(' ') + text;
    mStatusLabel->setText(text);
    mStatusLabel->setAccessibleName(text);
}

void frmJournal::ShowIssue(const QString& issue) {
    auto* chart = new QChart;
    chart->setTitle(issue.isEmpty() ? QStringLiteral("No ratings yet") : issue);
    auto* first = new QLineSeries(chart);
    first->setName(QStringLiteral("First rating"));
    auto* last = new QLineSeries(chart);
    last->setName(QStringLiteral("Last rating"));
    QList<QStringList> figures;
    // Oldest first, as time runs along the axis.
    for (auto it = mEntries.crbegin(); it != mEntries.crend(); ++it) {
        if (it->issue != issue) continue;
        const qreal x = qreal(it->started.toMSecsSinceEpoch());
        first->append(x, it->firstRating);
        last->append(x, it->lastRating());
        figures << QStringList{it->started.toString(kDateFormat), QString::number(it->firstRating),
                               QString::number(it->lastRating())};
    }
    for (QLineSeries* series : {first, last}) {
        series->setPointsVisible(true);
        chart->addSeries(series);
    }
    auto* time = new QDateTimeAxis(chart);
    time->setFormat(QStringLiteral("yyyy-MM-dd"));
    time->setTitleText(QStringLiteral("Date"));
    auto* rating = new QValueAxis(chart);
    rating->setRange(0, 10);
    rating->setTickCount(11);
    rating->setLabelFormat(QStringLiteral("%d"));
    rating->setTitleText(QStringLiteral("Rating"));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(rating, Qt::AlignLeft);
    for (QLineSeries* series : {first, last}) {
        series->attachAxis(time);
        series->attachAxis(rating);
    }
    if (!figures.isEmpty()) {
        const QDateTime from = QDateTime::fromMSecsSinceEpoch(qint64(first->at(0).x()));
        const QDateTime to =
            QDateTime::fromMSecsSinceEpoch(qint64(first->at(first->count() - 1).x()));
        time->setRange(from.addDays(-1), to.addDays(1));
    }
    QChart* old = mChart->chart();
    mChart->setChart(chart);
    delete old;
    mFiguresModel->SetRows(figures);
    const QString description =
        figures.isEmpty()
            ? QStringLiteral("No ratings to show.")
            : QStringLiteral(
                  "%1 sessions on %2; the table beside the chart lists the same figures.")
                  .arg(figures.size())
                  .arg(issue);
    mChart->setAccessibleDescription(description);
}

void frmJournal::cmdDelete_Click() {
    Trap({"frmJournal", "cmdDelete_Click"}, [&] {
        const QModelIndex current = mTable->currentIndex();
        if (!mStore || !current.isValid() || current.row() >= mEntries.size()) return;
        mStore->Remove(mEntries.at(current.row()).key);
        const int row = current.row();
        Reload();
        if (!mEntries.isEmpty()) {
            mTable->setCurrentIndex(mTableModel->index(std::min<int>(row, mEntries.size() - 1), 0));
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
            question = QStringLiteral(
                           "Delete the copies of your journal kept aside because they could "
                           "not be read (%1)? This cannot be undone.")
                           .arg(copiesText);
        } else {
            question =
                QStringLiteral("Delete all %1 entries of your journal? This cannot be undone.")
                    .arg(mEntries.size());
        }
        if (!mEntries.isEmpty() && !copies.isEmpty()) {
            question += QStringLiteral(
                            " The copies kept aside because they could not be read are "
                            "deleted too: %1.")
                            .arg(copiesText);
        }
        const MessageAnswer answer =
            ShowMessage({QStringLiteral("Journal"), question, MessageIcon::Question,
                         MessageButtons::YesNo, MessageAnswer::No});
        if (answer != MessageAnswer::Yes) return;
        if (mStore) mStore->RemoveAll();
        bool copiesGone = true;
        for (const QString& copy : copies)
            copiesGone = DeleteJournalFiles(copy, false) && copiesGone;
        Reload();
        if (!copiesGone) {
            ShowMessage({QStringLiteral("Journal"),
                         QStringLiteral("Some copies kept aside could not be deleted. You can "
                                        "delete the files journal.damaged-* in %1 yourself.")
                             .arg(QFileInfo(mPath).absolutePath()),
                         MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
        }
    });
}

void frmJournal::cmdExport_Click() {
    Trap({"frmJournal", "cmdExport_Click"}, [&] {
        QFileDialog dialog(this, QStringLiteral("Export the journal"), QString(),
                           QStringLiteral("CSV files (*.csv)"));
        dialog.setObjectName(QStringLiteral("dlgJournalExport"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        dialog.selectFile(QStringLiteral("journal.csv"));
        if (RunModalDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return;
        }
        const QString target = dialog.selectedFiles().constFirst();
        QSaveFile file(target);
        // A byte order mark lets a spreadsheet read the words in any script.
        const QByteArray bytes = "\xEF\xBB\xBF" + JournalCsv(mEntries).toUtf8();
        const bool written =
            file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
        if (written) {
            QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            return;
        }
        ShowMessage({QStringLiteral("Journal"),
                     QStringLiteral("The journal could not be exported to %1. Nothing in the "
                                    "journal has changed.")
                         .arg(target),
                     MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
    });
}

}  // namespace mindrova
