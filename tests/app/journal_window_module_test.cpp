// The journal window as the program opens it: loaded from its module on first use, with the
// program's own modal seam, and a calm message when the module is missing.
#include <gtest/gtest.h>

#include <QTableView>
#include <QTemporaryDir>

#include "app/journal_services.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/qt_application.h"
#include "journal/journal_store.h"

using namespace mindrova;
using mindrova::testing::ModalRecorder;

namespace {

class JournalModule : public ::testing::Test {
protected:
    void SetUp() override {
        mindrova::testing::Application();
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("journal.sqlite"));
        JournalStore store(path);
        ASSERT_TRUE(store.Open());
        for (int i = 0; i < 3; ++i) {
            JournalEntry e;
            e.key = QString::number(i);
            e.started = QDateTime::currentDateTime().addDays(-i);
            e.issue = QStringLiteral("Guilt");
            e.firstRating = 6;
            ASSERT_TRUE(store.Save(e));
        }
    }
    void TearDown() override { SetJournalWindowFolder({}); }

    QTemporaryDir dir;
    QString path;
    ModalRecorder modal;
};

// Runs before the module is loaded: once loaded it stays loaded.
TEST_F(JournalModule, AMissingModuleIsToldCalmlyAndTheJournalIsLeftAlone) {
    SetJournalWindowFolder(dir.path());
    ShowJournalWindow(path, nullptr);
    EXPECT_EQ(modal.dialogsRun, 0);
    ASSERT_EQ(modal.messages.size(), 1);
    EXPECT_TRUE(modal.messages[0].text.startsWith(
        QStringLiteral("The journal window could not be opened")));
    JournalStore store(path);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(store.LoadAll().size(), 3);
}

TEST_F(JournalModule, TheModuleShowsTheJournalThroughTheProgramsModalSeam) {
    SetJournalWindowFolder(QStringLiteral(JOURNAL_WINDOW_FOLDER));
    int rows = -1;
    modal.setNextDialog([&](QObject& dialog) {
        auto* table = dialog.findChild<QTableView*>(QStringLiteral("tblJournal"));
        rows = table ? table->model()->rowCount() : -2;
        return 0;
    });
    ShowJournalWindow(path, nullptr);
    EXPECT_EQ(modal.dialogsRun, 1);
    EXPECT_EQ(rows, 3);
    EXPECT_TRUE(modal.messages.isEmpty());
}

}  // namespace
