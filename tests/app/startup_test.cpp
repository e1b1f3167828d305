#include "app/startup.h"

#include <gtest/gtest.h>

#include <QLockFile>
#include <QTemporaryDir>
#include <stdexcept>

#include "fixtures/modal_recorder.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/qt_application.h"
#include "window/ui/frm_main.h"
#include "support/file_system_helper.h"
#include "support/settings_store.h"
#include "support/single_instance.h"

using namespace mindrova;
using mindrova::testing::ModalRecorder;
using mindrova::testing::ReportRecorder;

namespace {

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        mindrova::testing::Application();
        ASSERT_TRUE(temp.isValid());
        SetSettingsFolder(temp.filePath("settings"));
        lockPath = temp.filePath("mindrova.lock");
        SetInstanceLockPath(lockPath);
        FileSystemHelper.reset();
    }
    void TearDown() override {
        if (MainWindowRef) delete MainWindowRef.data();
        FileSystemHelper.reset();
        SetInstanceLockPath({});
        SetSettingsFolder({});
    }
    // Another copy in this same process: the lock cannot tell it from a second program.
    std::unique_ptr<QLockFile> OtherCopyRunning() {
        auto other = std::make_unique<QLockFile>(lockPath);
        EXPECT_TRUE(other->tryLock(0));
        return other;
    }

    QTemporaryDir temp;
    QString lockPath;
    ModalRecorder modal;
    ReportRecorder reports;
};

}  // namespace

TEST_F(Startup, FirstCopyShowsTheSessionWindow) {
    EXPECT_EQ(Main(), StartupOutcome::WindowShown);
    ASSERT_FALSE(MainWindowRef.isNull());
    EXPECT_TRUE(MainWindowRef->isVisible());
    EXPECT_FALSE(MainWindowRef->isModal());
    EXPECT_NE(FileSystemHelper, nullptr);
    EXPECT_TRUE(modal.messages.isEmpty());
    EXPECT_TRUE(reports.reports.isEmpty());
}

TEST_F(Startup, SecondCopyAsks) {
    const auto other = OtherCopyRunning();
    const struct {
        MessageAnswer answer;
        StartupOutcome outcome;
        bool window;
    } cases[] = {
        {MessageAnswer::No, StartupOutcome::SecondCopyDeclined, false},
        {MessageAnswer::Yes, StartupOutcome::WindowShown, true},
    };
    for (const auto& c : cases) {
        modal.messages.clear();
        modal.setNextAnswer(c.answer);
        EXPECT_EQ(Main(), c.outcome);
        EXPECT_EQ(modal.messages.size(), 1);
        EXPECT_EQ(!MainWindowRef.isNull(), c.window);
        EXPECT_EQ(FileSystemHelper != nullptr, c.window);
    }
    EXPECT_EQ(ExitCodeFor(StartupOutcome::SecondCopyDeclined), 0);
    EXPECT_TRUE(reports.reports.isEmpty());
}

TEST_F(Startup, WindowThatCannotBeMadeIsReportedOnceAndEndsTheProgram) {
    const struct {
        const char* name;
        std::function<frmMain*(SessionWindowServices)> create;
    } cases[] = {
        {"throws",
         [](SessionWindowServices) -> frmMain* { throw std::runtime_error("no window today"); }},
        {"nothing", [](SessionWindowServices) -> frmMain* { return nullptr; }},
    };
    for (const auto& c : cases) {
        reports.reports.clear();
        EXPECT_EQ(StartUp(c.create), StartupOutcome::WindowFailed) << c.name;
        ASSERT_EQ(reports.reports.size(), 1) << c.name;
        EXPECT_EQ(reports.reports[0].pstrModuleName, "modMain");
        EXPECT_EQ(reports.reports[0].pstrProcName, "Main");
        EXPECT_EQ(reports.reports[0].pstrExtraDesc, "Line: 0");
        EXPECT_TRUE(MainWindowRef.isNull());
    }
    EXPECT_NE(ExitCodeFor(StartupOutcome::WindowFailed), 0);
}

TEST_F(Startup, FailureBeforeTheWindowIsReportedAndTheWindowStillOpens) {
    const auto other = OtherCopyRunning();
    // The question box itself fails.
    const ModalHandlers previous = SetModalHandlers(
        {[](const MessageRequest&) -> MessageAnswer { throw std::runtime_error("no box"); },
         [](QObject&) { return 0; }});
    const StartupOutcome outcome = Main();
    SetModalHandlers(previous);
    EXPECT_EQ(outcome, StartupOutcome::WindowShown);
    ASSERT_EQ(reports.reports.size(), 1);
    EXPECT_EQ(reports.reports[0].pstrModuleName, "modMain");
    EXPECT_EQ(reports.reports[0].pstrProcName, "Main");
    EXPECT_EQ(reports.reports[0].pstrExtraDesc, "Line: 0");
    EXPECT_FALSE(MainWindowRef.isNull());
}
