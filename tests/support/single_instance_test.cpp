#include "support/single_instance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "fixtures/modal_recorder.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/test_files.h"

using namespace mindrova;
using mindrova::testing::ModalRecorder;

namespace {

const QString kQuestion =
    "Another instance of Mindrova is already running.\r\n\r\nDo you want to run another instance?";

// Another copy of the program, as far as the lock can tell.
class OtherCopy {
public:
    explicit OtherCopy(const QString& lockPath) {
        mProcess.start(QStringLiteral(INSTANCE_LOCK_HOLDER), {lockPath});
        if (mProcess.waitForStarted(30000) && mProcess.waitForReadyRead(30000)) {
            mState = QString::fromUtf8(mProcess.readLine()).trimmed();
        }
    }
    ~OtherCopy() {
        if (mProcess.state() != QProcess::NotRunning) {
            mProcess.kill();
            mProcess.waitForFinished(30000);
        }
    }
    const QString& state() const { return mState; }
    // Ends normally, giving the lock back.
    bool Quit() {
        mProcess.closeWriteChannel();
        return mProcess.waitForFinished(30000) && mProcess.exitCode() == 0;
    }
    // Dies without a chance to clean up.
    bool Crash() {
        mProcess.kill();  // SIGKILL
        return mProcess.waitForFinished(30000) && mProcess.exitStatus() == QProcess::CrashExit;
    }

private:
    QProcess mProcess;
    QString mState;
};

class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        lockPath = temp.filePath("mindrova-test.lock");
        SetInstanceLockPath(lockPath);
    }
    void TearDown() override { SetInstanceLockPath({}); }

    QTemporaryDir temp;
    QString lockPath;
    ModalRecorder modal;
};

// Puts an environment variable back as it was.
class SavedVariable {
public:
    explicit SavedVariable(const char* name)
        : mName(name), mWasSet(qEnvironmentVariableIsSet(name)), mValue(qgetenv(name)) {}
    ~SavedVariable() {
        if (mWasSet) {
            qputenv(mName, mValue);
        } else {
            qunsetenv(mName);
        }
    }

private:
    const char* mName;
    bool mWasSet;
    QByteArray mValue;
};

}  // namespace

TEST(InstanceLockPath, PerUserInARuntimeOrTemporaryFolder) {
    const SavedVariable user("USER");
    const SavedVariable userName("USERNAME");
    qunsetenv("USERNAME");
    const struct {
        const char* user;  // nullptr: not set
        const char* inName;
    } cases[] = {
        {"alice", "mindrova-alice.lock"},
        {"../jo e", "mindrova-.._jo_e.lock"},
        {nullptr, "mindrova-uid"},
        {"", "mindrova-uid"},
    };
    for (const auto& c : cases) {
        if (c.user) {
            qputenv("USER", c.user);
        } else {
            qunsetenv("USER");
        }
        const QString path = DefaultInstanceLockPath();
        EXPECT_TRUE(QFileInfo(path).fileName().startsWith(c.inName)) << path.toStdString();
        EXPECT_TRUE(path.endsWith(".lock"));
        EXPECT_TRUE(QFileInfo(QFileInfo(path).path()).isDir());
    }
}

TEST_F(SingleInstance, FirstCopyStartsWithoutAQuestionAndKeepsTheLock) {
    EXPECT_FALSE(CheckPreviousInstance());
    EXPECT_TRUE(modal.messages.isEmpty());
    EXPECT_TRUE(QFile::exists(lockPath));
    OtherCopy second(lockPath);
    EXPECT_EQ(second.state(), "busy");
}

TEST_F(SingleInstance, RunningCopyMeansAQuestion) {
    OtherCopy first(lockPath);
    ASSERT_EQ(first.state(), "held");
    const struct {
        MessageAnswer answer;
        bool stop;
    } cases[] = {{MessageAnswer::No, true}, {MessageAnswer::Yes, false}};
    for (const auto& c : cases) {
        modal.messages.clear();
        modal.setNextAnswer(c.answer);
        EXPECT_EQ(CheckPreviousInstance(), c.stop);
        ASSERT_EQ(modal.messages.size(), 1);
        const MessageRequest& asked = modal.messages[0];
        EXPECT_EQ(asked.title, "Mindrova");
        EXPECT_EQ(asked.text, kQuestion);
        EXPECT_EQ(asked.icon, MessageIcon::Question);
        EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
        EXPECT_EQ(asked.defaultAnswer, MessageAnswer::Yes);
    }
}

TEST_F(SingleInstance, CopyThatQuitNoLongerCounts) {
    OtherCopy first(lockPath);
    ASSERT_EQ(first.state(), "held");
    ASSERT_TRUE(first.Quit());
    EXPECT_FALSE(CheckPreviousInstance());
    EXPECT_TRUE(modal.messages.isEmpty());
}

TEST_F(SingleInstance, CopyThatCrashedLeavesNoQuestion) {
    OtherCopy first(lockPath);
    ASSERT_EQ(first.state(), "held");
    ASSERT_TRUE(first.Crash());
    ASSERT_TRUE(QFile::exists(lockPath)) << "the dead copy left its lock behind";

    EXPECT_FALSE(CheckPreviousInstance());
    EXPECT_TRUE(modal.messages.isEmpty());
    // This process took the lock over: a later start sees a running copy.
    OtherCopy later(lockPath);
    EXPECT_EQ(later.state(), "busy");
}

TEST_F(SingleInstance, NoPlaceForALockStartsQuietly) {
    SetInstanceLockPath(temp.filePath("missing-folder/mindrova.lock"));
    EXPECT_EQ(HoldInstanceLock(), InstanceLockState::Unavailable);
    EXPECT_FALSE(CheckPreviousInstance());
    EXPECT_TRUE(modal.messages.isEmpty());
}

TEST_F(SingleInstance, GarbageInTheLockFileIsNoRunningCopy) {
    for (const QByteArray& content :
         {QByteArray(), QByteArray("not a lock"), QByteArray("999999999\nmindrova\nhost\n"),
          QByteArray(100000, '\xff')}) {
        ReleaseInstanceLock();
        QFile::remove(lockPath);
        ASSERT_TRUE(mindrova::testing::WriteTestFile(lockPath, content));
        EXPECT_FALSE(CheckPreviousInstance()) << content.left(20).toStdString();
        EXPECT_TRUE(modal.messages.isEmpty());
    }
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
