// The journal as the program runs it: the window loaded from its module on first use, with the
// program's own modal seam and a calm message when the module is missing; the recorder beside a
// session window, whose troubles show in the status bar and never stop the session.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "fixtures/find_control.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/open_session_window.h"
#include "fixtures/qt_application.h"
#include "fixtures/test_files.h"
#include "journal/journal_files.h"
#include "journal/journal_recorder.h"
#include "journal/journal_setting.h"
#include "journal/journal_store.h"
#include "journal/ui/journal_services.h"
#include "support/settings_store.h"
#include "window/ui/status_notices.h"
#include "window/ui/window_services.h"

using namespace mindrova;
using mindrova::testing::Control;
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
        journal = std::make_shared<WindowJournal>(path);
    }

    QList<JournalEntry> Entries() const {
        JournalStore store(path);
        if (!store.Open()) return {};
        return store.LoadAll();
    }

    QTemporaryDir dir;
    QString path;
    std::shared_ptr<WindowJournal> journal;
    ModalRecorder modal;
};

// Runs before the module is loaded: once loaded it stays loaded.
TEST_F(JournalModule, AMissingModuleIsToldCalmlyAndTheJournalIsLeftAlone) {
    journal->SetModuleFolder(dir.path());
    journal->ShowWindow(nullptr);
    EXPECT_EQ(modal.dialogsRun, 0);
    ASSERT_EQ(modal.messages.size(), 1);
    EXPECT_TRUE(modal.messages[0].text.startsWith(
        QStringLiteral("The journal window could not be opened")));
    JournalStore store(path);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(store.LoadAll().size(), 3);
}

TEST_F(JournalModule, TheModuleShowsTheJournalThroughTheProgramsModalSeam) {
    journal->SetModuleFolder(QStringLiteral(JOURNAL_WINDOW_FOLDER));
    int rows = -1;
    modal.setNextDialog([&](QObject& dialog) {
        auto* table = dialog.findChild<QTableView*>(QStringLiteral("tblJournal"));
        rows = table ? table->model()->rowCount() : -2;
        return 0;
    });
    journal->ShowWindow(nullptr);
    EXPECT_EQ(modal.dialogsRun, 1);
    EXPECT_EQ(rows, 3);
    EXPECT_TRUE(modal.messages.isEmpty());
}

struct DeleteAllCase {
    const char* name;
    bool journalKept;  // false: only the copies are left
    friend void PrintTo(const DeleteAllCase& row, std::ostream* out) { *out << row.name; }
};

class DeleteAll : public JournalModule, public ::testing::WithParamInterface<DeleteAllCase> {};

TEST_P(DeleteAll, AlsoListsAndDeletesTheCopiesKeptAside) {
    journal->SetModuleFolder(QStringLiteral(JOURNAL_WINDOW_FOLDER));
    if (!GetParam().journalKept) {
        ASSERT_TRUE(DeleteJournalFiles(path, false));
    }
    const QString copy = dir.filePath(QStringLiteral("journal.damaged-20261201-101500.sqlite"));
    for (const QString& file :
         {copy, copy + QStringLiteral("-wal"), copy + QStringLiteral("-shm")}) {
        ASSERT_TRUE(mindrova::testing::WriteTestFile(file, "old entries"));
    }
    modal.setNextDialog([&](QObject& dialog) {
        modal.setNextAnswer(MessageAnswer::Yes);
        Control<QPushButton>(&dialog, QStringLiteral("cmdJournalDeleteAll"))->click();
        return 0;
    });
    journal->ShowWindow(nullptr);
    ASSERT_EQ(modal.messages.size(), 1);
    EXPECT_TRUE(modal.messages[0].text.contains(QStringLiteral("cannot be undone")));
    EXPECT_TRUE(modal.messages[0].text.contains(QFileInfo(copy).fileName()))
        << modal.messages[0].text.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("journal.damaged-*")}), QStringList{});
    EXPECT_EQ(QFile::exists(path), GetParam().journalKept) << "the window makes no journal";
    EXPECT_TRUE(Entries().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Copies, DeleteAll,
                         ::testing::Values(DeleteAllCase{"WithEntries", true},
                                           DeleteAllCase{"OnlyCopiesLeft", false}),
                         [](const ::testing::TestParamInfo<DeleteAllCase>& info) {
                             return std::string(info.param.name);
                         });

// The journal's notice shares the status bar with spoken guidance's: never both at once.
TEST(StatusNoticesTest, TheLatestIsShownAndTheOneBeforeComesBackWhenItGoes) {
    mindrova::testing::Application();
    QWidget bar;
    bar.resize(800, 24);
    StatusNotices notices(bar);
    QLabel* speech = notices.AddNotice(QStringLiteral("lblSpeechNotice"), QStringLiteral("s"));
    QLabel* journal = notices.AddNotice(QStringLiteral("lblJournalNotice"), QStringLiteral("j"));
    bar.show();
    const QString markup = QStringLiteral("<h1>Please call</h1> &amp; more");
    notices.Show(journal, markup);
    EXPECT_TRUE(journal->isVisible());
    EXPECT_EQ(journal->text(), markup);
    EXPECT_EQ(journal->textFormat(), Qt::PlainText);
    notices.Show(speech, QStringLiteral("speech"));
    EXPECT_TRUE(speech->isVisible());
    EXPECT_FALSE(journal->isVisible()) << "two notices in one place would overlap";
    notices.Hide(speech);
    EXPECT_FALSE(speech->isVisible());
    EXPECT_TRUE(journal->isVisible());
    EXPECT_EQ(journal->text(), markup);
    notices.Hide(journal);
    EXPECT_FALSE(journal->isVisible());
    notices.Hide(journal);  // twice is harmless
    EXPECT_FALSE(speech->isVisible());
}

// A session window with its recorder on, driven by the step timer's ticks.
class JournalInSession : public JournalModule {
protected:
    void SetUp() override {
        JournalModule::SetUp();
        SetSettingsFolder(dir.filePath(QStringLiteral("settings")));
        journal->SetModuleFolder(QStringLiteral(JOURNAL_WINDOW_FOLDER));
        served = WindowJournal::ItemsOf(journal);
        mindrova::testing::TestWindowServices services;
        services.journalEnabled = served.journalEnabled;
        services.setJournalEnabled = served.setJournalEnabled;
        services.showJournal = served.showJournal;
        window = mindrova::testing::OpenSessionWindow(services);
        journal->Attach(*window);
        recorder = journal->Recorder();
        ASSERT_NE(recorder, nullptr);
        recorder->SetEnabled(true);
    }
    void TearDown() override {
        mindrova::testing::CloseSessionWindow(window);
        SetSettingsFolder({});
        JournalModule::TearDown();
    }
    Step Current() const { return window->controller().State().genmCurrentStep; }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) window->controller().tmrSteps_Timer();
    }
    // On to Reassess SUD through the issue list, rated `first`: thymus, hands, the explanation,
    // a round, relax, the closing round.
    void ToReassess(int first) {
        SessionController& c = window->controller();
        c.Next();
        c.radMode_Click(3);
        c.Next();
        ASSERT_EQ(Current(), estAssignSUD);
        c.radSUD_Click(first);
        for (int i = 0; i < 7; ++i) c.Next();
        ASSERT_EQ(Current(), estReassessSUD);
    }
    QLabel* Notice() const {
        return window->findChild<QLabel*>(QStringLiteral("lblJournalNotice"));
    }

    JournalItemServices served;  // as the window has them
    frmMain* window = nullptr;
    JournalRecorder* recorder = nullptr;
};

TEST_F(JournalInSession, ADamagedJournalIsAStatusBarNoticeAndNeverTakesTheSessionsKeys) {
    ASSERT_TRUE(mindrova::testing::WriteTestFile(path, QByteArray(6000, 'j')));
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
    ToReassess(8);
    window->controller().radSUD_Click(4);
    window->controller().Next();  // the entry is written behind the session
    ASSERT_FALSE(IsUntimedStep(Current()));
    Ticks(300);  // the points go on as the timer drives them
    recorder->Flush();
    Ticks(150);
    EXPECT_TRUE(modal.messages.isEmpty()) << modal.texts().join(u'|').toStdString();
    EXPECT_EQ(modal.dialogsRun, 0);
    ASSERT_NE(Notice(), nullptr);
    EXPECT_TRUE(Notice()->isVisibleTo(window));
    EXPECT_FALSE(Notice()->text().isEmpty());
    EXPECT_EQ(Notice()->textFormat(), Qt::PlainText);
    EXPECT_LE(Notice()->fontMetrics().horizontalAdvance(Notice()->text()), Notice()->width())
        << "one line, whole";

    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(focus, Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(Current(), estFinish) << "Alt+F still finishes";

    // The Journal window says it in full; the notice has then done its work.
    QString shown;
    modal.setNextDialog([&](QObject& dialog) {
        if (auto* label = dialog.findChild<QLabel*>(QStringLiteral("lblJournalProblem"))) {
            shown = label->textFormat() == Qt::PlainText ? label->text() : QString();
        }
        return 0;
    });
    journal->ShowWindow(window);
    EXPECT_TRUE(shown.contains(QStringLiteral("kept unchanged as"))) << shown.toStdString();
    EXPECT_EQ(shown, recorder->ProblemText());
    EXPECT_FALSE(Notice()->isVisibleTo(window));
}

TEST_F(JournalInSession, TheWindowShowsTheNewestEntryAndWhatItDeletesStaysDeleted) {
    ToReassess(7);
    window->controller().radSUD_Click(5);
    window->controller().Next();  // written behind the session, not waited for
    int rows = -1;
    modal.setNextDialog([&](QObject& dialog) {
        rows = Control<QTableView>(&dialog, QStringLiteral("tblJournal"))->model()->rowCount();
        // The user deletes this session's entry while the window is open.
        JournalStore store(path);
        EXPECT_TRUE(store.Open());
        for (const JournalEntry& e : store.LoadAll()) {
            if (e.issue != QLatin1String("Guilt")) {
                EXPECT_TRUE(store.Remove(e.key));
            }
        }
        return 0;
    });
    journal->ShowWindow(window);
    EXPECT_EQ(rows, 4) << "the entry written a moment ago is shown";

    for (int i = 0; i < 2 && Current() != estReassessSUD; ++i) window->controller().Next();
    ASSERT_EQ(Current(), estReassessSUD);
    window->controller().radSUD_Click(2);
    window->controller().cmdFinish_Click();
    recorder->Flush();
    const QList<JournalEntry> entries = Entries();
    EXPECT_EQ(entries.size(), 3) << "the next rating does not write the deleted entry back";
    for (const JournalEntry& e : entries) {
        EXPECT_EQ(e.issue, QStringLiteral("Guilt"));
    }
    EXPECT_TRUE(modal.messages.isEmpty());
}

struct UnsavedChoiceCase {
    const char* name;
    bool savedOnBefore;  // the journal was on, saved, before the settings file became unwritable
    bool turnOn;
    const char* told;
    friend void PrintTo(const UnsavedChoiceCase& row, std::ostream* out) { *out << row.name; }
};

class UnsavedChoice : public JournalInSession,
                      public ::testing::WithParamInterface<UnsavedChoiceCase> {};

TEST_P(UnsavedChoice, LeavesTheMenuAsTheNextStartWillBeOrSaysSo) {
    const UnsavedChoiceCase& c = GetParam();
    recorder->SetEnabled(false);
    if (c.savedOnBefore) {
        ASSERT_TRUE(journal->SetKept(true, window));
    }
    // A file stands where the settings folder would be: nothing can be saved.
    const QString blocked = dir.filePath(QStringLiteral("blocked"));
    QFile(blocked).open(QIODevice::WriteOnly);
    SetSettingsFolder(blocked);
    const bool kept = journal->SetKept(c.turnOn, window);
    EXPECT_FALSE(kept);
    EXPECT_FALSE(recorder->Enabled()) << "nothing is written against the user's wish";
    ASSERT_TRUE(served.journalEnabled);
    EXPECT_FALSE(served.journalEnabled()) << "the menu says what this session does";
    ASSERT_GE(modal.messages.size(), 1);
    EXPECT_TRUE(modal.messages[0].text.contains(QLatin1String(c.told)))
        << modal.messages[0].text.toStdString();
    EXPECT_EQ(modal.messages[0].icon, MessageIcon::Information);
}

INSTANTIATE_TEST_SUITE_P(Settings, UnsavedChoice,
                         ::testing::Values(UnsavedChoiceCase{"TurningOn", false, true, "stays off"},
                                           UnsavedChoiceCase{"TurningOff", true, false,
                                                             "on again when Mindrova next starts"}),
                         [](const ::testing::TestParamInfo<UnsavedChoiceCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
