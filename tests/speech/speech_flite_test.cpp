// Spoken guidance with the real flite engine, into the null sink of an audio server that
// speech_flite_test.sh starts. Waits here are for the engine's own events, bounded generously.
#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextToSpeech>

#include "speech/ui/frm_voice.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/open_session_window.h"
#include "fixtures/settings_folder.h"
#include "speech/speech_settings.h"
#include "session/text_language.h"
#include "window/ui/frm_main.h"
#include "speech/qt_speaker.h"
#include "window/ui/window_services.h"
#include "speech/ui/window_speech.h"
#include "support/settings_store.h"

using namespace mindrova;
using mindrova::testing::ModalRecorder;

namespace {

constexpr int kEngineWaitMs = 20000;
// Turning guidance off while a text starts: the hold for the text being prepared, the report of
// the pause, the rest of the output and the quiet text read to its end.
constexpr int kSilenceBoundMs =
    PREPARE_HOLD_MAX_MS + ENGINE_REPORT_WAIT_MS + OUTPUT_SETTLE_MS + ENGINE_STOP_WAIT_MS;

QString SinkInputs() {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"),
                {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    if (!pactl.waitForFinished(5000)) return {};
    return QString::fromLocal8Bit(pactl.readAllStandardOutput()).trimmed();
}

class FliteEngine : public ::testing::Test {
protected:
    void SetUp() override {
        mindrova::testing::Application();
        if (!QTextToSpeech::availableEngines().contains(QStringLiteral("flite"))) {
            GTEST_SKIP() << "the flite engine is not installed";
        }
        ASSERT_TRUE(SaveSpeechSettings({false, "flite", "", 0, 80}));
        window = mindrova::testing::OpenSessionWindow(Services());
    }
    // The real engine, kept in sight so that its states can be watched.
    mindrova::testing::TestWindowServices Services() {
        mindrova::testing::TestWindowServices services;
        services.makeSpeaker = [this](const SpeechSettings& settings) {
            auto made = QtSpeaker::Create(settings);
            speaker = made.get();
            return std::unique_ptr<Speaker>(std::move(made));
        };
        return services;
    }
    void TearDown() override {
        if (window) mindrova::testing::CloseSessionWindow(window);
        SetTextLanguage(QStringLiteral("en"));
    }
    void Press(int key) { QTest::keyClick(window, Qt::Key(key)); }
    QTextToSpeech::State EngineState() const {
        return speaker && speaker->Engine() ? speaker->Engine()->state() : QTextToSpeech::Error;
    }
    bool WaitForState(QTextToSpeech::State state, int ms = kEngineWaitMs) {
        return QTest::qWaitFor([&] { return EngineState() == state; }, ms);
    }

    ModalRecorder modal;
    mindrova::testing::SettingsFolder folder;
    frmMain* window = nullptr;
    QtSpeaker* speaker = nullptr;
};

// Run by the script with a running audio server.
class FliteGuidance : public FliteEngine {};

TEST_F(FliteGuidance, SpeaksTheSetupStatementPausesWithEscAndFallsSilentWhenTurnedOff) {
    for (int i = 0; i < 4; ++i) window->controller().Next();
    ASSERT_EQ(window->controller().State().genmCurrentStep, estLeftHand);

    Press(Qt::Key_V);
    ASSERT_NE(speaker, nullptr);
    ASSERT_EQ(speaker->EngineName(), "flite");
    ASSERT_NE(speaker->State(), SpeakerState::Error) << speaker->ErrorText().toStdString();
    ASSERT_TRUE(WaitForState(QTextToSpeech::Speaking)) << "state " << EngineState();
    EXPECT_TRUE(QTest::qWaitFor([] { return !SinkInputs().isEmpty(); }, 5000))
        << "no stream reached the audio server";

    Press(Qt::Key_Escape);
    EXPECT_TRUE(WaitForState(QTextToSpeech::Paused, 5000)) << "state " << EngineState();
    EXPECT_FALSE(window->stepTimer().isActive());
    Press(Qt::Key_Escape);  // any key resumes
    EXPECT_TRUE(window->stepTimer().isActive());
    EXPECT_TRUE(WaitForState(QTextToSpeech::Speaking, 5000)) << "state " << EngineState();
    EXPECT_TRUE(WaitForState(QTextToSpeech::Ready)) << "the statement never ended";

    // A long text, cut short by turning guidance off.
    window->controller().cmdFinish_Click();
    ASSERT_TRUE(WaitForState(QTextToSpeech::Speaking)) << "state " << EngineState();
    // The engine takes the pause only once it has prepared the text it reads, then the quiet
    // text that ends it: silent within the speaker's own bounds for those, on a slow machine too.
    QElapsedTimer silence;
    silence.start();
    Press(Qt::Key_V);
    EXPECT_TRUE(WaitForState(QTextToSpeech::Ready, kSilenceBoundMs))
        << "still speaking " << silence.elapsed() << " ms after V";
    EXPECT_TRUE(modal.messages.isEmpty());
}

// flite has English voices only: German texts leave it silent, with the notice saying why.
TEST_F(FliteGuidance, GermanTextsFindNoVoiceAndStaySilentWithACalmNotice) {
    mindrova::testing::CloseSessionWindow(window);
    SetTextLanguage(QStringLiteral("de"));
    window = mindrova::testing::OpenSessionWindow(Services());
    for (int i = 0; i < 4; ++i) window->controller().Next();
    Press(Qt::Key_V);
    ASSERT_NE(speaker, nullptr);
    ASSERT_EQ(speaker->EngineName(), "flite");
    ASSERT_NE(speaker->State(), SpeakerState::Error) << speaker->ErrorText().toStdString();
    QCoreApplication::processEvents();
    EXPECT_NE(EngineState(), QTextToSpeech::Speaking);
    EXPECT_FALSE(window->findChild<QAction*>("mnuPopUpSpeech")->isChecked());
    auto* notice = window->findChild<QLabel*>("lblSpeechNotice");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->text().contains("stays silent")) << notice->text().toStdString();
    EXPECT_TRUE(window->stepTimer().isActive()) << "the session goes on";
    EXPECT_TRUE(modal.messages.isEmpty());
}

}  // namespace

namespace {

// Run by the script a second time, in a process that finds no audio server.
class FliteWithoutAudio : public FliteEngine {};

TEST_F(FliteWithoutAudio, TurningOnTellsOnceInTheWindowAndTheSessionGoesOn) {
    if (qEnvironmentVariableIsEmpty("MINDROVA_NO_AUDIO")) GTEST_SKIP() << "needs no audio server";
    for (int i = 0; i < 6; ++i) window->controller().Next();
    ASSERT_EQ(window->controller().State().genmCurrentStep, estTopHead1);
    Press(Qt::Key_V);
    auto* notice = window->findChild<QLabel*>("lblSpeechNotice");
    auto* item = window->findChild<QAction*>("mnuPopUpSpeech");
    ASSERT_NE(notice, nullptr);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return notice->isVisible(); }, kEngineWaitMs));
    EXPECT_TRUE(notice->text().contains("No audio device available"))
        << notice->text().toStdString();
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(item->text(), "Spoken guidance") << "the reason is in the notice alone";
    EXPECT_TRUE(modal.messages.isEmpty()) << "no box";
    // The timer moved the session on while the engine failed.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->controller().State().genmCurrentStep != estTopHead1; }, 5000));
}

}  // namespace

namespace {

// The Voice dialog's sample tells the same calm notice as the session, in the dialog.
TEST_F(FliteWithoutAudio, TheSampleTellsTheSessionsNoticeInTheDialog) {
    if (qEnvironmentVariableIsEmpty("MINDROVA_NO_AUDIO")) GTEST_SKIP() << "needs no audio server";
    frmVoice dialog(SpeechSettings{false, "flite", "", 0, 80}, QStringList{"flite"}, nullptr,
                    [](const SpeechSettings& settings) -> std::unique_ptr<Speaker> {
                        return QtSpeaker::Create(settings);
                    });
    dialog.show();
    auto* notice = dialog.findChild<QLabel*>("lblSampleNotice");
    ASSERT_NE(notice, nullptr);
    dialog.findChild<QPushButton*>("cmdSample")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return notice->isVisible(); }, kEngineWaitMs));
    EXPECT_EQ(notice->text(), SpeechUnavailableNotice("No audio device available"))
        << notice->text().toStdString();
    EXPECT_TRUE(modal.messages.isEmpty()) << "no box";
}

// Next cuts one text after the other while it is read; then the points follow the marker.
TEST_F(FliteGuidance, QuickStepsAndTappingPointsKeepTheEngineSpeaking) {
    Press(Qt::Key_V);
    ASSERT_TRUE(WaitForState(QTextToSpeech::Speaking)) << "state " << EngineState();
    // Each press cuts a text that is being read, as soon as the engine reads it.
    for (int i = 0; i < 6; ++i) {
        Press(Qt::Key_Space);
        EXPECT_TRUE(WaitForState(QTextToSpeech::Speaking, 5000)) << "step " << i;
    }
    ASSERT_EQ(window->controller().State().genmCurrentStep, estTopHead1);
    int points = 0;
    Step last = estTopHead1;
    int speaking = 0;
    (void)QTest::qWaitFor(
        [&] {
            if (EngineState() == QTextToSpeech::Speaking) ++speaking;
            const Step now = window->controller().State().genmCurrentStep;
            if (now != last) {
                ++points;
                last = now;
            }
            return points >= 3;
        },
        kEngineWaitMs);
    EXPECT_GE(points, 3);
    EXPECT_GT(speaking, 0);
    EXPECT_NE(EngineState(), QTextToSpeech::Error) << speaker->ErrorText().toStdString();
}

}  // namespace

namespace {

// Each way the session window can end while the engine reads the long closing text. Deleting an
// engine whose audio output still plays crashed the process on the engine's own thread.
enum class WindowEnd { CloseBox, Exit, GuidanceOffThenClose };

TEST_F(FliteGuidance, ClosingTheWindowWhileALongTextIsReadNeverCrashes) {
    constexpr int kCloses = 20;
    for (int round = 0; round < kCloses; ++round) {
        const auto end = static_cast<WindowEnd>(round % 3);
        SCOPED_TRACE(::testing::Message() << "close " << round << ", way " << int(end));
        if (window == nullptr) {
            ASSERT_TRUE(SaveSpeechSettings({false, "flite", "", 0, 80}));
            window = mindrova::testing::OpenSessionWindow(Services());
        }
        window->controller().cmdFinish_Click();
        Press(Qt::Key_V);
        ASSERT_NE(speaker, nullptr);
        ASSERT_TRUE(WaitForState(QTextToSpeech::Speaking)) << "state " << EngineState();
        // Into the text a little, a different distance each time.
        QTest::qWait(20 * (round % 5));
        QPointer<frmMain> closing = window;
        QPointer<QTextToSpeech> engine = speaker->Engine();
        switch (end) {
            case WindowEnd::CloseBox:
                window->close();
                break;
            case WindowEnd::Exit:
                window->controller().Exit();
                break;
            case WindowEnd::GuidanceOffThenClose:
                Press(Qt::Key_V);
                window->close();
                break;
        }
        window = nullptr;
        speaker = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] { return closing.isNull(); }, kEngineWaitMs))
            << "the window was not deleted";
        // An engine that did not come to rest within the speaker's waits (a busy machine) is left
        // to the end of the process, as the program leaves it. This process goes on to the next
        // round: it waits until that engine rests, so that two engines never read at once.
        if (engine) {
            EXPECT_EQ(engine->parent(), nullptr) << "an engine kept by a deleted window";
            EXPECT_TRUE(QTest::qWaitFor([&] { return engine->state() == QTextToSpeech::Ready; },
                                        kEngineWaitMs));
        }
    }
    EXPECT_TRUE(modal.messages.isEmpty());
}

// The program ends: the speaker goes without resting its engine, and the engine it let go keeps
// reading, untouched, for the end of the process to take. In each state the engine can be in.
TEST_F(FliteGuidance, AnAbandonedEngineIsNeitherRestedNorDeleted) {
    const QTextToSpeech::State states[] = {QTextToSpeech::Speaking, QTextToSpeech::Paused,
                                           QTextToSpeech::Ready};
    for (const QTextToSpeech::State state : states) {
        SCOPED_TRACE(::testing::Message() << "engine state " << state);
        std::unique_ptr<QtSpeaker> made = QtSpeaker::Create({true, "flite", "", 0, 80});
        ASSERT_NE(made->Engine(), nullptr);
        QPointer<QTextToSpeech> engine = made->Engine();
        made->Say(QStringLiteral("Take a deep breath, and relax."));
        ASSERT_TRUE(QTest::qWaitFor([&] { return engine->state() == QTextToSpeech::Speaking; },
                                    kEngineWaitMs));
        if (state == QTextToSpeech::Paused) {
            made->Pause();
            ASSERT_TRUE(QTest::qWaitFor([&] { return engine->state() == QTextToSpeech::Paused; },
                                        kEngineWaitMs));
        } else if (state == QTextToSpeech::Ready) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return engine->state() == QTextToSpeech::Ready; },
                                        kEngineWaitMs));
        }

        EXPECT_TRUE(made->Abandon());
        EXPECT_EQ(made->Engine(), nullptr);
        QElapsedTimer took;
        took.start();
        made.reset();
        EXPECT_LT(took.elapsed(), OUTPUT_SETTLE_MS) << "the speaker waited for its engine";
        ASSERT_FALSE(engine.isNull()) << "the engine was deleted";
        EXPECT_EQ(engine->parent(), nullptr);
        EXPECT_EQ(engine->state(), state) << "the engine was told something after it was let go";

        // This process goes on: the engine is deleted once it has come to rest.
        if (state == QTextToSpeech::Paused) engine->resume();
        ASSERT_TRUE(QTest::qWaitFor([&] { return engine->state() == QTextToSpeech::Ready; },
                                    kEngineWaitMs));
        delete engine.data();
    }
}

// The Voice dialog has an engine of its own for its sample.
TEST_F(FliteGuidance, ClosingTheVoiceDialogWhileTheSampleIsReadNeverCrashes) {
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(::testing::Message() << "close " << round);
        QtSpeaker* sample = nullptr;
        auto dialog = std::make_unique<frmVoice>(
            SpeechSettings{false, "flite", "", 0, 80}, QStringList{"flite"}, nullptr,
            [&sample](const SpeechSettings& settings) -> std::unique_ptr<Speaker> {
                auto made = QtSpeaker::Create(settings);
                sample = made.get();
                return made;
            });
        dialog->show();
        auto* button = dialog->findChild<QPushButton*>("cmdSample");
        ASSERT_NE(button, nullptr);
        button->click();
        ASSERT_NE(sample, nullptr);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return sample->Engine()->state() == QTextToSpeech::Speaking; }, kEngineWaitMs));
        QTest::qWait(30 * (round % 4));
        if (round % 2 == 0) {
            dialog->reject();
            dialog.reset();
        } else {
            dialog.reset();
        }
    }
}

}  // namespace
