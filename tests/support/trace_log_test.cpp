#include "support/trace_log.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "engine/steps.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/test_files.h"
#include "fixtures/trace_capture.h"
#include "support/file_system_helper.h"

using namespace mindrova;
using mindrova::testing::ModalRecorder;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

class TraceLog : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(trace.valid()); }
    QByteArray Read(const QString& name) const { return trace.Read(name); }
    QByteArray Record(const QDateTime& when, const QString& message) const {
        return BuildLogRecord(when, message, QLocale::system());
    }

    mindrova::testing::TraceCapture trace;
    QDateTime& clock = trace.clock;
    const QString& folder = trace.folder;
    ModalRecorder modal;
};

TEST(TraceLogRecord, ByteForByte) {
    const QDateTime when(QDate(2026, 12, 7), QTime(11, 14, 22));
    EXPECT_EQ(BuildLogRecord(when, "  Start FormPos_Read \t", kEnglish),
              QByteArray("12/7/26 11:14:22 AM :v.2.0.201:Start FormPos_Read\n\r\n"));
    EXPECT_EQ(BuildLogRecord(when, QString::fromUtf8("caf\u00e9 \u2013"), kEnglish),
              QByteArray("12/7/26 11:14:22 AM :v.2.0.201:caf\xe9 ?\n\r\n"));
}

TEST_F(TraceLog, OffWritesNothing) {
    TraceEnabled = false;
    GetNextStep(estTopHead1);
    EXPECT_FALSE(QDir(folder).exists());
}

TEST_F(TraceLog, StepRulesWriteTheirLinesIntoTheDaysFile) {
    RoundState rounds{0, true};
    bool flag = false;
    GetNextStep(estTopHead1);
    GetNextStep_Navigation(estLeftUnderArm, rounds);
    GetPrevStep(estChin1, flag, rounds);
    GetNextStep(estNone);
    const QStringList lines = {
        "Start GetNextStep, penmStep = Top Head",
        "End GetNextStep, lenmNextStep = Left Eyebrow",
        "Start GetNextStep_Navigation, penmStep = Left Under Arm",
        "End GetNextStep_Navigation, lenmNextStep = Reasses SUD",
        "Start GetPrevStep, penmStep = Chin, pblnGoBackFromPositiveToNegative = False",
        "Start GetPrevStep, lenmPrevStep = Relax",
        "Start GetNextStep, penmStep = 0",
        "End GetNextStep, lenmNextStep = Intro",
    };
    QByteArray expected;
    for (const QString& line : lines) expected += Record(clock, line);
    EXPECT_EQ(Read("Mindrova_20261207.log"), expected);
    EXPECT_TRUE(modal.messages.isEmpty()) << "estNone is named without the lookup's complaint";
}

TEST_F(TraceLog, DateStampIsFixedAtTheFirstWrite) {
    clock = QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59));
    WriteLog("before midnight");
    clock = QDateTime(QDate(2026, 12, 8), QTime(0, 0, 1));
    WriteLog("after midnight", "Other_");
    WriteLog("after midnight");
    EXPECT_EQ(Read("Mindrova_20261207.log"),
              Record(QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59)), "before midnight") +
                  Record(clock, "after midnight"));
    EXPECT_EQ(Read("Other_20261207.log"), Record(clock, "after midnight"));
    EXPECT_FALSE(QFile::exists(folder + "/Mindrova_20261208.log"));
}

TEST_F(TraceLog, FailuresGiveOneMessageAndTheProgramGoesOn) {
    // The file name taken by a folder: the record cannot be written.
    ASSERT_TRUE(QDir().mkpath(folder + "/Mindrova_20261207.log"));
    WriteLog("lost");
    ASSERT_EQ(modal.messages.size(), 1);
    EXPECT_TRUE(modal.messages[0].title.endsWith(":Log Mindrova_"));
    EXPECT_EQ(modal.messages[0].text, "75:Path/File access error:Could not write to Log.");
    EXPECT_EQ(modal.messages[0].icon, MessageIcon::Critical);

    // Without the folder helper.
    FileSystemHelper.reset();
    WriteLog("lost");
    ASSERT_EQ(modal.messages.size(), 2);
    EXPECT_EQ(modal.messages[1].text,
              "91:Object variable or With block variable not set:Could not write to Log.");
}

TEST_F(TraceLog, FullDiskGivesItsMessageAndTheProgramGoesOn) {
    // The day's file is the device that is always full: only the flush can tell.
    ASSERT_TRUE(QDir().mkpath(folder));
    if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    ASSERT_TRUE(QFile::link("/dev/full", folder + "/Mindrova_20261207.log"));
    WriteLog("lost");
    ASSERT_EQ(modal.messages.size(), 1);
    EXPECT_TRUE(modal.messages[0].title.endsWith(":Log Mindrova_"));
    EXPECT_EQ(modal.messages[0].text, "61:Disk full:Could not write to Log.");
    EXPECT_EQ(modal.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(modal.messages[0].buttons, MessageButtons::Ok);
    WriteLog("lost again");
    EXPECT_EQ(modal.messages.size(), 2) << "each failed record is reported, nothing is retried";
}

TEST_F(TraceLog, FolderThatCannotBeMadeIsSilent) {
    ASSERT_TRUE(mindrova::testing::WriteTestFile(folder + "-blocker"));
    SetTraceLogSetup({folder + "-blocker/Log", [this] { return clock; }});
    WriteLog("lost");
    EXPECT_TRUE(modal.messages.isEmpty());
}

TEST_F(TraceLog, TheFolderMadeForTheLogIsTheOwnersAlone) {
    const mode_t before = ::umask(022);
    WriteLog("first");
    ::umask(before);
    EXPECT_EQ(QFile::permissions(folder), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner | QFileDevice::ReadUser |
                                              QFileDevice::WriteUser | QFileDevice::ExeUser);
}

}  // namespace
