#include "app/shell_execute.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "fixtures/modal_recorder.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/qt_application.h"
#include "fixtures/test_files.h"
#include "fixtures/url_recorder.h"

using namespace mindrova;
using mindrova::testing::ModalRecorder;
using mindrova::testing::UrlRecorder;

namespace {

class ShellExecute : public ::testing::Test {
protected:
    void SetUp() override {
        mindrova::testing::Application();
        ASSERT_TRUE(temp.isValid());
    }
    QString MakeFile(const QString& name, QFileDevice::Permissions permissions = {}) {
        const QString path = temp.filePath(name);
        mindrova::testing::WriteTestFile(path, "#!/bin/sh\n");
        if (permissions) QFile::setPermissions(path, permissions);
        return path;
    }

    ModalRecorder modal;
    UrlRecorder desktop;
    QTemporaryDir temp;
    CShellExecute shell;
};

}  // namespace

TEST_F(ShellExecute, LaunchURLOpensBareAddressesAsWebAddresses) {
    const struct {
        QString address, opened;
    } cases[] = {
        {"www.mindrova.example.com/contactme.html?src=mdv#",
         "https://www.mindrova.example.com/contactme.html?src=mdv#"},
        {"www.mindrova.example.com/erroreh.php?ErrNum=5&Email=a%26b%40example.com",
         "https://www.mindrova.example.com/erroreh.php?ErrNum=5&Email=a%26b%40example.com"},
        {"mailto:someone@example.com", "mailto:someone@example.com"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shell.LaunchURL(nullptr, c.address, kShowDefault), kLaunchSucceeded);
        EXPECT_EQ(desktop.addresses().last(), c.opened);
    }
    EXPECT_TRUE(modal.messages.isEmpty());
}

TEST_F(ShellExecute, RefusalIsACodeNotABox) {
    desktop.accept = false;
    EXPECT_EQ(shell.LaunchURL(nullptr, "www.mindrova.example.com", kShowDefault),
              kLaunchNoAssociation);
    EXPECT_TRUE(modal.messages.isEmpty());
}

TEST_F(ShellExecute, UnusableAddressIsNotFoundWithoutAskingTheDesktop) {
    for (const char* address : {"", "   "}) {
        EXPECT_EQ(shell.LaunchURL(nullptr, address, kShowDefault), kLaunchFileNotFound);
    }
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(ShellExecute, FailedCallShowsOneBoxNamedAfterTheOperation) {
    desktop.failCall = true;
    const QString folder = temp.path();
    const QString document = MakeFile("notes.txt");
    const struct {
        const char* operation;
        std::function<qint32()> launch;
    } cases[] = {
        {"LaunchURL", [&] { return shell.LaunchURL(nullptr, "www.mindrova.example.com"); }},
        {"LaunchEmail", [&] { return shell.LaunchEmail(nullptr, "a@example.com"); }},
        {"LaunchFolder", [&] { return shell.LaunchFolder(nullptr, folder); }},
        {"Explore", [&] { return shell.Explore(nullptr, folder); }},
        {"LaunchDocument", [&] { return shell.LaunchDocument(nullptr, document, folder); }},
    };
    for (const auto& c : cases) {
        modal.messages.clear();
        EXPECT_EQ(c.launch(), kLaunchFailedCall) << c.operation;
        ASSERT_EQ(modal.messages.size(), 1) << c.operation;
        EXPECT_EQ(modal.messages[0].title, c.operation);
        EXPECT_EQ(modal.messages[0].text, "Error: 1004. The desktop service did not answer");
        EXPECT_EQ(modal.messages[0].buttons, MessageButtons::Ok);
    }
}

TEST_F(ShellExecute, LocalTargetsAreCheckedBeforeTheDesktopIsAsked) {
    const QString document = MakeFile("notes.txt");
    const QString missing = temp.filePath("missing");
    const struct {
        const char* name;
        std::function<qint32()> launch;
        qint32 result;
        QString opened;  // empty: the desktop is not asked
    } cases[] = {
        {"document", [&] { return shell.LaunchDocument(nullptr, document, ""); }, kLaunchSucceeded,
         QUrl::fromLocalFile(document).toString()},
        {"missing document", [&] { return shell.LaunchDocument(nullptr, missing, ""); },
         kLaunchFileNotFound, ""},
        {"folder as document", [&] { return shell.LaunchDocument(nullptr, temp.path(), ""); },
         kLaunchFileNotFound, ""},
        {"folder", [&] { return shell.LaunchFolder(nullptr, temp.path()); }, kLaunchSucceeded,
         QUrl::fromLocalFile(temp.path()).toString()},
        {"explore", [&] { return shell.Explore(nullptr, temp.path()); }, kLaunchSucceeded,
         QUrl::fromLocalFile(temp.path()).toString()},
        {"missing folder", [&] { return shell.LaunchFolder(nullptr, missing); },
         kLaunchPathNotFound, ""},
        {"file as folder", [&] { return shell.Explore(nullptr, document); }, kLaunchPathNotFound,
         ""},
        {"empty folder name", [&] { return shell.LaunchFolder(nullptr, ""); }, kLaunchPathNotFound,
         ""},
        {"e-mail", [&] { return shell.LaunchEmail(nullptr, " a@example.com "); }, kLaunchSucceeded,
         "mailto:a@example.com"},
        {"empty e-mail", [&] { return shell.LaunchEmail(nullptr, ""); }, kLaunchFileNotFound, ""},
        {"print missing", [&] { return shell.PrintDocument(nullptr, missing); },
         kLaunchFileNotFound, ""},
    };
    for (const auto& c : cases) {
        desktop.opened.clear();
        EXPECT_EQ(c.launch(), c.result) << c.name;
        if (c.opened.isEmpty()) {
            EXPECT_TRUE(desktop.opened.isEmpty()) << c.name;
        } else {
            ASSERT_EQ(desktop.opened.size(), 1) << c.name;
            EXPECT_EQ(desktop.opened[0].toString(), c.opened) << c.name;
        }
    }
    EXPECT_TRUE(modal.messages.isEmpty());
}

TEST_F(ShellExecute, ProgramsThatCannotStart) {
    const QString plain = MakeFile("plain.txt", QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const struct {
        const char* name;
        QString program;
        QString startIn;
        qint32 result;
    } cases[] = {
        {"empty", "", "", kLaunchFileNotFound},
        {"missing path", temp.filePath("nothing-here"), "", kLaunchFileNotFound},
        {"missing on the search path", "mindrova-no-such-program-xyz", "", kLaunchFileNotFound},
        {"not executable", plain, "", kLaunchAccessDenied},
        {"a folder", temp.path(), "", kLaunchAccessDenied},
        {"missing start folder", "true", temp.filePath("gone"), kLaunchPathNotFound},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shell.LaunchProgram(nullptr, c.program, "", c.startIn), c.result) << c.name;
        EXPECT_FALSE(shell.StillExecuting()) << c.name;
    }
}

TEST_F(ShellExecute, StillExecutingFollowsTheLaunchedProgram) {
    if (QStandardPaths::findExecutable("sleep").isEmpty()) GTEST_SKIP() << "no sleep program";
    EXPECT_FALSE(shell.StillExecuting());
    ASSERT_EQ(shell.LaunchProgram(nullptr, "sleep", "300", temp.path()), kLaunchSucceeded);
    EXPECT_TRUE(shell.StillExecuting());
    const qint64 first = shell.ProcessId();

    // Another launch forgets the program it tracked.
    CShellExecute other;
    ASSERT_EQ(other.LaunchProgram(nullptr, "sleep", "300", ""), kLaunchSucceeded);
    const qint64 second = other.ProcessId();
    EXPECT_TRUE(other.StillExecuting());
    EXPECT_EQ(other.LaunchURL(nullptr, "www.mindrova.example.com"), kLaunchSucceeded);
    EXPECT_FALSE(other.StillExecuting());
    EXPECT_EQ(other.ProcessId(), 0);
    ::kill(static_cast<pid_t>(second), SIGKILL);

    // Dead, whether or not anybody has reaped it yet.
    ASSERT_GT(first, 0);
    ::kill(static_cast<pid_t>(first), SIGKILL);
    QDeadlineTimer deadline(10000);
    while (shell.StillExecuting() && !deadline.hasExpired()) QTest::qWait(5);
    EXPECT_FALSE(shell.StillExecuting());
}
