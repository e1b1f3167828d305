// The journal window and the journal's switch, on real journal files in a temporary folder.
#include "app/frm_journal.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include "app/journal_services.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/qt_application.h"
#include "journal/journal_csv.h"
#include "journal/journal_recorder.h"
#include "journal/journal_setting.h"
#include "session_window/frm_main.h"
#include "support/settings_store.h"

using namespace mindrova;
using mindrova::testing::ModalRecorder;

namespace {

JournalEntry Entry(const QString& key, const QString& issue, int day, int first, QList<int> later,
                   const QString& words = {}) {
    JournalEntry e;
    e.key = key;
    e.issue = issue;
    e.started = QDateTime(QDate(2026, 5, day), QTime(18, 30));
    e.firstRating = first;
    e.laterRatings = std::move(later);
    e.ownWords = words;
    e.rounds = 3;
    e.minutes = 11;
    return e;
}

class JournalWindow : public ::testing::Test {
protected:
    void SetUp() override {
        mindrova::testing::Application();
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("journal.sqlite"));
    }
    void Fill() {
        JournalStore store(path);
        ASSERT_TRUE(store.Open());
        for (const JournalEntry& e :
             {Entry("a", "Guilt", 1, 9, {7}), Entry("b", "Trauma", 2, 8, {}, words),
              Entry("c", "Guilt", 3, 7, {5, 2}), Entry("d", "Guilt", 4, 4, {1})}) {
            ASSERT_TRUE(store.Save(e));
        }
    }
    template <typename T>
    T* Find(frmJournal& w, const char* name) {
        T* child = w.findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static QString Cell(QTableView* table, int row, int column) {
        return table->model()->index(row, column).data().toString();
    }

    const QString words = QStringLiteral("=\"the [fire]\", \U0001F525 \u05D0\u05E9");
    QTemporaryDir dir;
    QString path;
    ModalRecorder modal;
};

TEST_F(JournalWindow, AMissingJournalShowsEmptyAndIsNotCreated) {
    frmJournal w(path);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(Find<QLabel>(w, "lblJournalStatus")->text(),
              QStringLiteral("Your journal is empty."));
    EXPECT_EQ(Find<QTableView>(w, "tblJournal")->model()->rowCount(), 0);
    for (const char* name : {"cmdJournalDelete", "cmdJournalDeleteAll", "cmdJournalExport"}) {
        EXPECT_FALSE(Find<QPushButton>(w, name)->isEnabled()) << name;
    }
}

TEST_F(JournalWindow, EntriesNewestFirstAndTheChartOfOneIssueWithItsFigures) {
    Fill();
    frmJournal w(path);
    auto* table = Find<QTableView>(w, "tblJournal");
    ASSERT_EQ(table->model()->rowCount(), 4);
    EXPECT_EQ(Cell(table, 0, 0), QStringLiteral("2026-05-04 18:30"));
    EXPECT_EQ(Cell(table, 2, 1), QStringLiteral("Trauma"));
    EXPECT_EQ(Cell(table, 2, 2), words) << "own words shown exactly";
    EXPECT_EQ(Cell(table, 1, 3), QStringLiteral("7"));
    EXPECT_EQ(Cell(table, 1, 4), QStringLiteral("2")) << "the last of the later ratings";
    EXPECT_EQ(Cell(table, 2, 4), QStringLiteral("8")) << "never rated again: the first";
    EXPECT_EQ(Find<QLabel>(w, "lblJournalStatus")->text(), QStringLiteral("4 entries."));

    auto* issue = Find<QComboBox>(w, "cboJournalIssue");
    EXPECT_EQ(issue->currentText(), QStringLiteral("Guilt")) << "the latest issue first";
    EXPECT_EQ(issue->count(), 2);
    auto* figures = Find<QTableView>(w, "tblJournalChartFigures");
    ASSERT_EQ(figures->model()->rowCount(), 3);
    EXPECT_EQ(Cell(figures, 0, 0), QStringLiteral("2026-05-01 18:30")) << "oldest first";
    EXPECT_EQ(Cell(figures, 0, 1), QStringLiteral("9"));
    EXPECT_EQ(Cell(figures, 2, 2), QStringLiteral("1"));
    auto* chart = Find<QChartView>(w, "chtJournal");
    const QList<QAbstractSeries*> series = chart->chart()->series();
    ASSERT_EQ(series.size(), 2);
    const auto* first = static_cast<QLineSeries*>(series[0]);
    const auto* last = static_cast<QLineSeries*>(series[1]);
    ASSERT_EQ(first->count(), 3);
    EXPECT_EQ(first->at(0).y(), 9);
    EXPECT_EQ(last->at(2).y(), 1);
    EXPECT_FALSE(chart->accessibleName().isEmpty());
    EXPECT_TRUE(chart->accessibleDescription().contains(QStringLiteral("3 sessions")));
    EXPECT_FALSE(figures->accessibleName().isEmpty());
    EXPECT_FALSE(table->accessibleName().isEmpty());

    issue->setCurrentText(QStringLiteral("Trauma"));
    EXPECT_EQ(figures->model()->rowCount(), 1);
    EXPECT_EQ(static_cast<QLineSeries*>(chart->chart()->series()[0])->count(), 1);
}

TEST_F(JournalWindow, DeleteOneAndDeleteAllAfterAQuestion) {
    Fill();
    frmJournal w(path);
    auto* table = Find<QTableView>(w, "tblJournal");
    table->setCurrentIndex(table->model()->index(0, 0));
    Find<QPushButton>(w, "cmdJournalDelete")->click();
    EXPECT_TRUE(modal.messages.isEmpty()) << "one entry goes without a question";
    ASSERT_EQ(w.entries().size(), 3);
    EXPECT_EQ(w.entries()[0].key, QStringLiteral("c"));

    modal.setNextAnswer(MessageAnswer::No);
    Find<QPushButton>(w, "cmdJournalDeleteAll")->click();
    ASSERT_EQ(modal.messages.size(), 1);
    EXPECT_EQ(modal.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(modal.messages[0].defaultAnswer, MessageAnswer::No);
    EXPECT_EQ(w.entries().size(), 3);
    modal.setNextAnswer(MessageAnswer::Yes);
    Find<QPushButton>(w, "cmdJournalDeleteAll")->click();
    EXPECT_TRUE(w.entries().isEmpty());

    JournalStore store(path);
    ASSERT_TRUE(store.Open());
    EXPECT_TRUE(store.LoadAll().isEmpty()) << "deleted on disk, not only in the window";
}

TEST_F(JournalWindow, ExportWritesEveryEntryExactlyToAPrivateFile) {
    Fill();
    frmJournal w(path);
    const QString target = dir.filePath(QStringLiteral("out.csv"));
    modal.setNextDialog([&](QObject& d) {
        auto& dialog = static_cast<QFileDialog&>(d);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        dialog.selectFile(target);
        return int(QDialog::Accepted);
    });
    Find<QPushButton>(w, "cmdJournalExport")->click();
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes, "\xEF\xBB\xBF" + JournalCsv(w.entries()).toUtf8());
    EXPECT_TRUE(bytes.contains(CsvField(words).toUtf8()));
    EXPECT_TRUE(CsvField(words).startsWith(QStringLiteral("\"'=")));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_TRUE(modal.messages.isEmpty());
}

TEST_F(JournalWindow, ExportThatCannotBeWrittenIsToldAndCancelWritesNothing) {
    Fill();
    frmJournal w(path);
    modal.setNextDialog([](QObject&) { return int(QDialog::Rejected); });
    Find<QPushButton>(w, "cmdJournalExport")->click();
    EXPECT_TRUE(modal.messages.isEmpty());
    modal.setNextDialog([&](QObject& d) {
        static_cast<QFileDialog&>(d).selectFile(dir.filePath(QStringLiteral("no/such/x.csv")));
        return int(QDialog::Accepted);
    });
    Find<QPushButton>(w, "cmdJournalExport")->click();
    ASSERT_EQ(modal.messages.size(), 1);
    EXPECT_TRUE(modal.messages[0].text.contains(QStringLiteral("could not be exported")));
}

TEST_F(JournalWindow, ADamagedJournalIsKeptAsideAndSaidSo) {
    QFile junk(path);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(8192, 'j'));
    junk.close();
    frmJournal w(path);
    EXPECT_TRUE(Find<QLabel>(w, "lblJournalStatus")->text().contains(QStringLiteral("kept as")));
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("journal.damaged-*")}).size(), 1);
}

class JournalSwitch : public JournalWindow {
protected:
    void SetUp() override {
        JournalWindow::SetUp();
        SetSettingsFolder(dir.filePath(QStringLiteral("settings")));
    }
    void TearDown() override { SetSettingsFolder({}); }
};

TEST_F(JournalSwitch, OnIsSavedAndOffAsksWhetherToDeleteWhatIsKept) {
    auto* window = new frmMain;
    AttachJournal(*window, path);
    JournalRecorder* recorder = CurrentJournalRecorder();
    ASSERT_NE(recorder, nullptr);
    EXPECT_FALSE(recorder->Enabled()) << "off by default";

    EXPECT_TRUE(SetJournalKept(true, window, path));
    EXPECT_TRUE(JournalEnabledSetting());
    EXPECT_TRUE(recorder->Enabled());

    Fill();
    modal.setNextAnswer(MessageAnswer::No);
    EXPECT_FALSE(SetJournalKept(false, window, path));
    EXPECT_FALSE(JournalEnabledSetting());
    EXPECT_FALSE(recorder->Enabled());
    ASSERT_EQ(modal.messages.size(), 1);
    EXPECT_EQ(modal.messages[0].icon, MessageIcon::Question);
    EXPECT_TRUE(QFile::exists(path)) << "kept when the user says no";

    modal.setNextAnswer(MessageAnswer::Yes);
    SetJournalKept(false, window, path);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral("-wal")));
    EXPECT_EQ(modal.messages.size(), 2);

    // With nothing kept there is nothing to ask.
    SetJournalKept(false, window, path);
    EXPECT_EQ(modal.messages.size(), 2);
    delete window;
    EXPECT_EQ(CurrentJournalRecorder(), nullptr);
}

}  // namespace
