// How the program ends once its session window has closed: in every state of spoken guidance and
// by every way of closing, the voice lets go of its engine first, the deadline starts, and the
// event loop ends; the window's position is saved and the window still goes as before. The
// process itself is ended only in the death tests' children.
#include "app/program_end.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <utility>

#include "fixtures/fake_speaker.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/open_session_window.h"
#include "fixtures/settings_folder.h"
#include "speech/speech_settings.h"
#include "support/settings_store.h"
#include "support/single_instance.h"
#include "window/ui/frm_main.h"
#include "window/ui/window_services.h"

using namespace mindrova;
using mindrova::testing::FakeSpeaker;
using mindrova::testing::ModalRecorder;

namespace {

// ---- The process's own end, in a child process each ------------------------------------------

// Run first, in a process that has no threads of Qt yet (death tests run before the others).
TEST(ProgramEndDeathTest, ACleanUpThatHangsIsEndedWithTheExitCodeAtTheDeadline) {
    EXPECT_EXIT(
        {
            ArmProcessEndDeadline(3, 100);
            // Stands for a destructor waiting on an engine that never answers.
            std::this_thread::sleep_for(std::chrono::seconds(30));
            std::_Exit(99);
        },
        ::testing::ExitedWithCode(3), "");
}

TEST(ProgramEndDeathTest, AProcessThatEndsBeforeTheDeadlineEndsAsItWould) {
    EXPECT_EXIT(
        {
            ArmProcessEndDeadline(3, 60000);
            std::exit(5);
        },
        ::testing::ExitedWithCode(5), "");
}

TEST(ProgramEndDeathTest, TheLastStepGivesUpTheInstanceLockAndWritesOutWhatWasBuffered) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString lock = folder.filePath("mindrova.lock");
    const QString written = folder.filePath("written.txt");
    EXPECT_EXIT(
        {
            SetInstanceLockPath(lock);
            if (HoldInstanceLock() != InstanceLockState::Held) std::_Exit(98);
            std::FILE* out = std::fopen(QFile::encodeName(written).constData(), "w");
            if (out == nullptr) std::_Exit(97);
            std::fputs("the last words", out);
            EndProcess(4);
        },
        ::testing::ExitedWithCode(4), "");
    EXPECT_FALSE(QFileInfo::exists(lock)) << "the next start would find the lock of a dead copy";
    QFile file(written);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("the last words"));
}

// ---- The window's close, in this process --------------------------------------------------

enum class Voice { Off, Speaking, Paused, Failed, NoEngine, NotYetStarted };

struct VoiceCase {
    const char* name;
    Voice voice;
    friend void PrintTo(const VoiceCase& c, std::ostream* out) { *out << c.name; }
};

enum class CloseWay { AltX, ExitButton, MenuExit, CloseBox };

struct CloseCase {
    const char* name;
    CloseWay way;
    friend void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.name; }
};

const VoiceCase kVoices[] = {
    {"GuidanceOff", Voice::Off},   {"Speaking", Voice::Speaking},
    {"Paused", Voice::Paused},     {"EngineFailed", Voice::Failed},
    {"NoEngine", Voice::NoEngine}, {"NotYetStarted", Voice::NotYetStarted},
};

const CloseCase kCloses[] = {
    {"AltX", CloseWay::AltX},
    {"ExitButton", CloseWay::ExitButton},
    {"MenuExit", CloseWay::MenuExit},
    {"CloseBox", CloseWay::CloseBox},
};

class ProgramEndTest : public ::testing::TestWithParam<std::tuple<VoiceCase, CloseCase>> {
protected:
    void SetUp() override {
        services.makeSpeaker = [this](const SpeechSettings&) -> std::unique_ptr<Speaker> {
            ++speakersMade;
            if (Row().voice == Voice::NoEngine) return nullptr;
            auto made = std::make_unique<FakeSpeaker>();
            if (Row().voice == Voice::Failed) {
                made->state = SpeakerState::Error;
                made->errorText = QStringLiteral("no audio device");
            }
            speaker = made.get();
            return made;
        };
    }
    void TearDown() override {
        if (window) mindrova::testing::CloseSessionWindow(window);
    }
    const VoiceCase& Row() const { return std::get<0>(GetParam()); }
    CloseWay Way() const { return std::get<1>(GetParam()).way; }

    ProgramEnd Recording() {
        return {[this](int code) {
                    exits.push_back(code);
                    abandonedBeforeExit = speaker && speaker->calls.contains("abandon");
                    armedBeforeExit = !deadlines.empty();
                },
                [this](int code, int ms) { deadlines.emplace_back(code, ms); }};
    }

    void Close() {
        switch (Way()) {
            case CloseWay::AltX:
                QTest::keyClick(window, Qt::Key_X, Qt::AltModifier);
                break;
            case CloseWay::ExitButton:
                window->findChild<QPushButton*>("cmdExit")->click();
                break;
            case CloseWay::MenuExit:
                window->findChild<QAction*>("mnuPopUpExit")->trigger();
                break;
            case CloseWay::CloseBox:
                window->close();
                break;
        }
    }

    ModalRecorder modal;
    mindrova::testing::SettingsFolder folder;
    mindrova::testing::TestWindowServices services;  // the voice the window is handed
    frmMain* window = nullptr;
    FakeSpeaker* speaker = nullptr;
    int speakersMade = 0;
    std::vector<int> exits;
    std::vector<std::pair<int, int>> deadlines;
    bool abandonedBeforeExit = false;
    bool armedBeforeExit = false;
};

TEST_P(ProgramEndTest, TheVoiceLetsGoThenTheDeadlineStartsAndTheEventLoopEnds) {
    SpeechSettings settings;
    settings.enabled = Row().voice != Voice::Off;
    ASSERT_TRUE(SaveSpeechSettings(settings));
    window = mindrova::testing::OpenSessionWindow(services);
    EndProgramWithWindow(*window, Recording());
    if (Row().voice != Voice::NotYetStarted) {
        // Guidance saved as on starts from the event loop once the window was first painted.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
    }
    if (Row().voice == Voice::Speaking || Row().voice == Voice::Paused) {
        ASSERT_NE(speaker, nullptr);
        ASSERT_EQ(speaker->state, SpeakerState::Speaking) << "guidance reads the intro";
        if (Row().voice == Voice::Paused) speaker->Pause();
    }

    QPointer<frmMain> closing = window;
    Close();
    ASSERT_FALSE(closing.isNull()) << "deleted only when the event loop next runs";
    ASSERT_FALSE(closing->isVisible());

    EXPECT_EQ(exits, std::vector<int>{0});
    EXPECT_EQ(deadlines, (std::vector<std::pair<int, int>>{{0, PROGRAM_END_DEADLINE_MS}}));
    EXPECT_TRUE(armedBeforeExit);
    if (speaker) {
        EXPECT_TRUE(abandonedBeforeExit);
        EXPECT_EQ(speaker->calls.back(), "abandon") << "nothing reaches the engine afterwards";
    }
    EXPECT_EQ(SpeechEngineLeftRunning(), speaker != nullptr)
        << "the application is taken down only where no engine runs on";
    if (Row().voice == Voice::NotYetStarted) {
        QCoreApplication::processEvents();
        EXPECT_EQ(speakersMade, 0) << "guidance does not start once the program is ending";
    }
    const QSettings saved(folder.ConfPath(), QSettings::IniFormat);
    EXPECT_TRUE(saved.contains("WindowPosition/Left")) << "the position is saved at the close";

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull()) << "the window still deletes itself";
    window = nullptr;
    EXPECT_TRUE(modal.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EveryVoiceEveryWay, ProgramEndTest,
                         ::testing::Combine(::testing::ValuesIn(kVoices),
                                            ::testing::ValuesIn(kCloses)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

}  // namespace
