// Spoken guidance in the session window: the V key, the menu items, the saved choices and the
// notice when no engine can speak. The engine is a recording speaker.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include "fixtures/fake_speaker.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/open_session_window.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/settings_folder.h"
#include "session/text_language.h"
#include "speech/speech_settings.h"
#include "support/settings_store.h"
#include "window/ui/frm_main.h"
#include "window/ui/window_services.h"

using namespace mindrova;
using mindrova::testing::FakeSpeaker;
using mindrova::testing::ModalRecorder;

namespace {

class WindowSpeechTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (window) mindrova::testing::CloseSessionWindow(window);
        SetTextLanguage("en");
    }
    // The window speaks with a recording speaker unless the test asks for the desktop's engines,
    // and its Voice dialog is voiceDialog as the test sets it then.
    void Open() {
        mindrova::testing::TestWindowServices services;
        if (!desktopEngines) {
            services.makeSpeaker = [this](const SpeechSettings& settings) {
                ++speakersMade;
                madeWith = settings;
                auto made = std::make_unique<FakeSpeaker>();
                made->state = engineState;
                made->errorText = engineError;
                speaker = made.get();
                return std::unique_ptr<Speaker>(std::move(made));
            };
        }
        services.showVoiceDialog = [this](QWidget* owner) {
            return voiceDialog ? voiceDialog(owner) : false;
        };
        window = mindrova::testing::OpenSessionWindow(std::move(services));
        // A saved "on" starts from the event loop once the window was first exposed.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
    }
    void Press(int key) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        QTest::keyClick(target, Qt::Key(key));
    }
    QAction* Item(const char* name) const { return window->findChild<QAction*>(name); }
    QLabel* Notice() const { return window->findChild<QLabel*>("lblSpeechNotice"); }
    Step Current() const { return window->controller().State().genmCurrentStep; }
    bool Paused() const {
        auto* resume = window->findChild<QWidget*>("cmdResume");
        return resume && resume->isVisibleTo(window);
    }
    QVariant SavedValue(const char* name) const {
        return QSettings(folder.ConfPath(), QSettings::IniFormat)
            .value(QStringLiteral("Speech/") + QLatin1String(name));
    }

    ModalRecorder modal;
    mindrova::testing::SettingsFolder folder;
    bool desktopEngines = false;
    std::function<bool(QWidget* owner)> voiceDialog;
    frmMain* window = nullptr;
    int speakersMade = 0;
    SpeechSettings madeWith;
    FakeSpeaker* speaker = nullptr;
    SpeakerState engineState = SpeakerState::Ready;
    QString engineError;
};

TEST_F(WindowSpeechTest, OffByDefaultWithNoEngineNoNoticeAndNothingWritten) {
    Open();
    ASSERT_NE(Item("mnuPopUpSpeech"), nullptr);
    ASSERT_NE(Item("mnuPopUpVoice"), nullptr);
    EXPECT_TRUE(Item("mnuPopUpSpeech")->isCheckable());
    EXPECT_FALSE(Item("mnuPopUpSpeech")->isChecked());
    EXPECT_EQ(Item("mnuPopUpSpeech")->text(), "Spoken guidance");
    EXPECT_EQ(Item("mnuPopUpVoice")->text(), "Voice...");
    ASSERT_NE(Notice(), nullptr);
    EXPECT_FALSE(Notice()->isVisible());
    EXPECT_FALSE(Notice()->accessibleName().isEmpty());
    for (int i = 0; i < 6; ++i) window->controller().Next();
    for (int i = 0; i < 500; ++i) window->controller().tmrSteps_Timer();
    EXPECT_EQ(speakersMade, 0);
    EXPECT_FALSE(SavedValue("Enabled").isValid());
}

TEST_F(WindowSpeechTest, VTurnsItOnAndOffAndTheChoiceIsSaved) {
    Open();
    Press(Qt::Key_V);
    ASSERT_EQ(speakersMade, 1);
    EXPECT_TRUE(Item("mnuPopUpSpeech")->isChecked());
    ASSERT_EQ(speaker->said.size(), 1);
    EXPECT_EQ(Current(), estIntro) << "V is no navigation key";
    EXPECT_EQ(SavedValue("Enabled").toString(), "1");
    Press(Qt::Key_V);
    EXPECT_FALSE(Item("mnuPopUpSpeech")->isChecked());
    EXPECT_EQ(speaker->calls.back(), "stop");
    EXPECT_EQ(SavedValue("Enabled").toString(), "0");
}

TEST_F(WindowSpeechTest, TheMenuItemTogglesLikeV) {
    Open();
    Item("mnuPopUpSpeech")->trigger();
    EXPECT_TRUE(Item("mnuPopUpSpeech")->isChecked());
    EXPECT_EQ(speakersMade, 1);
    Item("mnuPopUpSpeech")->trigger();
    EXPECT_FALSE(Item("mnuPopUpSpeech")->isChecked());
    EXPECT_EQ(speaker->calls.back(), "stop");
}

TEST_F(WindowSpeechTest, VOnAPausedSessionResumesAndTogglesNothing) {
    Open();
    for (int i = 0; i < 6; ++i) window->controller().Next();
    ASSERT_EQ(Current(), estTopHead1);
    Press(Qt::Key_Escape);
    ASSERT_TRUE(Paused());
    Press(Qt::Key_V);
    EXPECT_FALSE(Paused());
    EXPECT_TRUE(window->stepTimer().isActive());
    EXPECT_FALSE(Item("mnuPopUpSpeech")->isChecked());
    EXPECT_EQ(speakersMade, 0);
    // With guidance on, the same holds: V resumes the voice and leaves guidance on.
    Press(Qt::Key_V);
    ASSERT_TRUE(Item("mnuPopUpSpeech")->isChecked());
    Press(Qt::Key_Escape);
    EXPECT_EQ(speaker->calls.back(), "pause");
    Press(Qt::Key_V);
    EXPECT_EQ(speaker->calls.back(), "resume");
    EXPECT_TRUE(Item("mnuPopUpSpeech")->isChecked());
}

TEST_F(WindowSpeechTest, NoAudioDeviceIsToldOnceInTheWindowAndTheSessionGoesOn) {
    engineState = SpeakerState::Error;
    engineError = "No audio device available";
    Open();
    for (int i = 0; i < 6; ++i) window->controller().Next();
    Press(Qt::Key_V);
    EXPECT_TRUE(modal.messages.isEmpty()) << "no box";
    EXPECT_FALSE(Item("mnuPopUpSpeech")->isChecked());
    // The reason is told in the notice; the item keeps its caption, so the menu keeps its width.
    EXPECT_EQ(Item("mnuPopUpSpeech")->text(), "Spoken guidance");
    ASSERT_TRUE(Notice()->isVisible());
    EXPECT_TRUE(Notice()->text().contains("No audio device available"));
    EXPECT_EQ(Notice()->parentWidget(), window->findChild<QWidget*>("picStatusBar"));
    EXPECT_GT(Notice()->width(), 0);
    for (int i = 0; i < 16 * 200 + 10; ++i) window->controller().tmrSteps_Timer();
    EXPECT_EQ(window->controller().State().glngRoundCount, 2);
    EXPECT_TRUE(speaker->said.isEmpty());
    // The device is back: the next try speaks and the notice goes.
    engineState = SpeakerState::Ready;
    Press(Qt::Key_V);
    EXPECT_TRUE(Item("mnuPopUpSpeech")->isChecked());
    EXPECT_EQ(Item("mnuPopUpSpeech")->text(), "Spoken guidance");
    EXPECT_FALSE(Notice()->isVisible());
    EXPECT_EQ(speakersMade, 2);
}

// German texts and an engine with English voices only: silence and a calm notice, not German
// read by an English voice; a voice the user then chooses is taken as it is.
TEST_F(WindowSpeechTest, NoVoiceForTheTextsLanguageStaysSilentUntilTheUserChoosesOne) {
    SetTextLanguage("de");
    Open();
    for (int i = 0; i < 4; ++i) window->controller().Next();
    Press(Qt::Key_V);
    EXPECT_TRUE(modal.messages.isEmpty()) << "no box";
    EXPECT_FALSE(Item("mnuPopUpSpeech")->isChecked());
    ASSERT_TRUE(Notice()->isVisible());
    EXPECT_EQ(Notice()->text(),
              "No voice here speaks the language of this program, so spoken guidance stays "
              "silent.");
    EXPECT_TRUE(speaker->calls.contains("voice:de"));
    EXPECT_TRUE(speaker->said.isEmpty());
    EXPECT_EQ(SavedValue("Enabled").toInt(), 1) << "the wish is kept for a later start";

    voiceDialog = [](QWidget*) {
        SpeechSettings chosen = LoadSpeechSettings();
        chosen.voice = "kal";
        return SaveSpeechSettings(chosen);
    };
    Item("mnuPopUpVoice")->trigger();
    Press(Qt::Key_V);
    EXPECT_TRUE(Item("mnuPopUpSpeech")->isChecked());
    EXPECT_FALSE(Notice()->isVisible());
    EXPECT_EQ(madeWith.voice, "kal");
    EXPECT_EQ(speaker->said.size(), 1);
}

// A settings file edited by hand may name any engine; its name reaches the notice as text.
TEST_F(WindowSpeechTest, AnEngineNameFromTheSettingsIsShownAsPlainText) {
    const QString hostile = "<h1>Please call 555-0100</h1><img src=x>";
    ASSERT_TRUE(SaveSpeechSettings({false, hostile, "", 0, 80}));
    desktopEngines = true;  // this one is not installed
    Open();
    Press(Qt::Key_V);
    ASSERT_TRUE(Notice()->isVisible());
    EXPECT_EQ(Notice()->textFormat(), Qt::PlainText);
    EXPECT_TRUE(Notice()->text().contains(hostile)) << Notice()->text().toStdString();
    // Its tooltip, read as Qt reads tooltips, says the same characters.
    QTextDocument tip;
    tip.setHtml(Notice()->toolTip());
    EXPECT_EQ(tip.toPlainText(), Notice()->text());
    EXPECT_EQ(Item("mnuPopUpSpeech")->text(), "Spoken guidance");
    EXPECT_TRUE(modal.messages.isEmpty());
}

// The menu shows V beside the item as a hint; V is still the window's key alone, so it types into
// the own-words field there, and in the open menu it toggles guidance once.
TEST_F(WindowSpeechTest, TheMenuShowsTheVHintAndVActsOnceWhereverItIsPressed) {
    Open();
    QAction* item = Item("mnuPopUpSpeech");
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_V));
    EXPECT_TRUE(item->isShortcutVisibleInContextMenu());

    window->controller().Next();  // the issue list and its own-words field
    auto* field = window->findChild<QLineEdit*>("txtOwnWords");
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_V);
    EXPECT_EQ(field->text(), "v");
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(speakersMade, 0);

    auto* menu = window->findChild<QMenu*>("mnuPopUp");
    ASSERT_NE(menu, nullptr);
    menu->popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_V);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(speakersMade, 1);
}

TEST_F(WindowSpeechTest, AnEngineFailingWhileSpeakingTurnsItOffCalmly) {
    Open();
    Press(Qt::Key_V);
    speaker->Fail("No audio device available");
    EXPECT_FALSE(Item("mnuPopUpSpeech")->isChecked());
    EXPECT_TRUE(Notice()->isVisible());
    EXPECT_TRUE(modal.messages.isEmpty());
    window->controller().Next();
    EXPECT_EQ(speaker->said.size(), 1);
}

TEST_F(WindowSpeechTest, GuidanceSavedAsOnStartsWithTheSavedChoices) {
    ASSERT_TRUE(SaveSpeechSettings({true, "flite", "kal", 40, 55}));
    Open();
    EXPECT_TRUE(Item("mnuPopUpSpeech")->isChecked());
    ASSERT_EQ(speakersMade, 1);
    EXPECT_EQ(madeWith, (SpeechSettings{true, "flite", "kal", 40, 55}));
    EXPECT_EQ(speaker->said.size(), 1) << "the intro";
    EXPECT_DOUBLE_EQ(speaker->rate, 0.4);
}

TEST_F(WindowSpeechTest, VoiceChoicesTakeEffectOnTheNextWords) {
    Open();
    for (int i = 0; i < 4; ++i) window->controller().Next();  // the karate chop, timer running
    Press(Qt::Key_V);
    ASSERT_TRUE(window->stepTimer().isActive());
    int dialogs = 0;
    voiceDialog = [&](QWidget* owner) {
        ++dialogs;
        EXPECT_EQ(owner, window);
        EXPECT_FALSE(window->stepTimer().isActive()) << "the session waits";
        EXPECT_EQ(speaker->calls.back(), "stop") << "the guidance falls silent for the sample";
        SpeechSettings chosen = LoadSpeechSettings();
        chosen.engine = "flite";
        chosen.ratePercent = -50;
        return SaveSpeechSettings(chosen);
    };
    Item("mnuPopUpVoice")->trigger();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(speakersMade, 2);
    EXPECT_EQ(madeWith.engine, "flite");
    EXPECT_DOUBLE_EQ(speaker->rate, -0.5);
    EXPECT_EQ(speaker->said.size(), 1) << "the current step again, in the new voice";
    EXPECT_TRUE(window->stepTimer().isActive());
    // A cancelled dialog changes nothing.
    voiceDialog = [](QWidget*) { return false; };
    Item("mnuPopUpVoice")->trigger();
    EXPECT_EQ(speakersMade, 2);
}

TEST_F(WindowSpeechTest, ClosingTheWindowStopsTheVoice) {
    Open();
    Press(Qt::Key_V);
    FakeSpeaker* last = speaker;
    QStringList calls;
    window->controller().EndSession();
    calls = last->calls;
    EXPECT_EQ(calls.back(), "stop");
}

}  // namespace
