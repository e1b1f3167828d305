#include "speech/ui/frm_voice.h"
#include "session/text_language.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include "fixtures/fake_speaker.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/qt_application.h"
#include "fixtures/settings_folder.h"
#include "window/ui/window_services.h"
#include "support/settings_store.h"

using namespace mindrova;
using mindrova::testing::FakeSpeaker;
using mindrova::testing::ModalRecorder;

namespace {

class VoiceDialog : public ::testing::Test {
protected:
    void SetUp() override { mindrova::testing::Application(); }

    std::unique_ptr<frmVoice> Make(const SpeechSettings& settings) {
        return std::make_unique<frmVoice>(
            settings, QStringList{"flite", "speechd"},
            [this](const QString& engine) {
                listed << engine;
                return engine == "flite" ? QStringList{"kal", "awb"} : QStringList{"Anna"};
            },
            [this](const SpeechSettings& choices) -> std::unique_ptr<Speaker> {
                ++made;
                sampleWith = choices;
                auto speaker = std::make_unique<FakeSpeaker>();
                speaker->state = sampleState;
                speaker->errorText = sampleError;
                speaker->voiceLanguages = sampleVoiceLanguages;
                sample = speaker.get();
                return speaker;
            });
    }
    static QStringList Items(QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
        return items;
    }

    ModalRecorder modal;
    mindrova::testing::SettingsFolder folder;
    QStringList listed;
    int made = 0;
    SpeechSettings sampleWith;
    FakeSpeaker* sample = nullptr;
    SpeakerState sampleState = SpeakerState::Ready;
    QStringList sampleVoiceLanguages{"en"};
    QString sampleError;
};

TEST_F(VoiceDialog, EveryControlIsNamedAndReachedByItsLabelOrTab) {
    auto dialog = Make({});
    EXPECT_EQ(dialog->windowTitle(), "Voice");
    const char* names[] = {"cboEngine", "cboVoice", "sldRate",  "sldVolume",
                           "cmdSample", "cmdOK",    "cmdCancel"};
    QList<QWidget*> controls;
    for (const char* name : names) {
        auto* control = dialog->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_FALSE(control->accessibleName().isEmpty()) << name;
        EXPECT_NE(control->focusPolicy() & Qt::TabFocus, 0) << name;
        controls << control;
    }
    // Each field has a label whose underlined letter reaches it.
    QStringList mnemonics;
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->buddy()) mnemonics << label->text();
    }
    mnemonics.sort();
    EXPECT_EQ(mnemonics, (QStringList{"&Engine:", "&Rate:", "V&oice:", "Vo&lume:"}));
    // Tab walks the controls in reading order.
    for (int i = 0; i + 1 < controls.size(); ++i) {
        QWidget* next = controls[i]->nextInFocusChain();
        while (next != controls[i] && !(next->focusPolicy() & Qt::TabFocus)) {
            next = next->nextInFocusChain();
        }
        EXPECT_EQ(next, controls[i + 1]) << names[i];
    }
}

TEST_F(VoiceDialog, StartsFromTheSavedChoices) {
    auto dialog = Make({true, "flite", "awb", -20, 65});
    auto* engine = dialog->findChild<QComboBox*>("cboEngine");
    auto* voice = dialog->findChild<QComboBox*>("cboVoice");
    EXPECT_EQ(Items(engine), (QStringList{"Automatic", "Festival Lite", "Speech Dispatcher"}));
    EXPECT_EQ(engine->currentText(), "Festival Lite");
    EXPECT_EQ(Items(voice), (QStringList{"Default", "kal", "awb"}));
    EXPECT_EQ(voice->currentText(), "awb");
    EXPECT_EQ(dialog->findChild<QSlider*>("sldRate")->value(), -20);
    EXPECT_EQ(dialog->findChild<QSlider*>("sldVolume")->value(), 65);
    EXPECT_EQ(dialog->Choices(), (SpeechSettings{true, "flite", "awb", -20, 65}));
}

TEST_F(VoiceDialog, AutomaticListsNoEngineAndAGoneEngineOrVoiceIsKept) {
    auto automatic = Make({});
    EXPECT_TRUE(listed.isEmpty()) << "Automatic opens no engine";
    EXPECT_EQ(Items(automatic->findChild<QComboBox*>("cboVoice")), QStringList{"Default"});
    EXPECT_EQ(automatic->Choices(), SpeechSettings{});

    auto gone = Make({false, "espeak", "old", 0, 80});
    EXPECT_EQ(gone->findChild<QComboBox*>("cboEngine")->currentText(), "espeak (not installed)");
    EXPECT_EQ(gone->findChild<QComboBox*>("cboVoice")->currentText(), "old (not available)");
    EXPECT_EQ(gone->Choices().engine, "espeak");
    EXPECT_EQ(gone->Choices().voice, "old");
}

TEST_F(VoiceDialog, AnotherEngineListsItsVoicesFromTheDefault) {
    auto dialog = Make({false, "flite", "awb", 0, 80});
    auto* engine = dialog->findChild<QComboBox*>("cboEngine");
    engine->setFocus();
    QTest::keyClick(engine, Qt::Key_Down);
    EXPECT_EQ(engine->currentText(), "Speech Dispatcher");
    EXPECT_EQ(listed.back(), "speechd");
    auto* voice = dialog->findChild<QComboBox*>("cboVoice");
    EXPECT_EQ(Items(voice), (QStringList{"Default", "Anna"}));
    EXPECT_EQ(dialog->Choices().voice, "");
}

TEST_F(VoiceDialog, SlidersMoveFromTheKeyboardWithinTheirRanges) {
    auto dialog = Make({false, "", "", 95, 3});
    auto* rate = dialog->findChild<QSlider*>("sldRate");
    auto* volume = dialog->findChild<QSlider*>("sldVolume");
    QTest::keyClick(rate, Qt::Key_Right);
    QTest::keyClick(rate, Qt::Key_Right);
    QTest::keyClick(volume, Qt::Key_Left);
    EXPECT_EQ(dialog->Choices().ratePercent, 100);
    EXPECT_EQ(dialog->Choices().volumePercent, 0);
    QTest::keyClick(rate, Qt::Key_Home);
    EXPECT_EQ(dialog->Choices().ratePercent, -100);
}

// Each slider's value is written beside it, as the user moves it.
TEST_F(VoiceDialog, TheRateAndVolumeAreShownBesideTheirSliders) {
    auto dialog = Make({false, "", "", -20, 65});
    auto* rate = dialog->findChild<QLabel*>("lblRateValue");
    auto* volume = dialog->findChild<QLabel*>("lblVolumeValue");
    ASSERT_NE(rate, nullptr);
    ASSERT_NE(volume, nullptr);
    const struct {
        int rate;
        int volume;
        const char* rateText;
        const char* volumeText;
    } rows[] = {{-20, 65, "-20", "65%"},
                {0, 100, "0", "100%"},
                {45, 0, "+45", "0%"},
                {-100, 5, "-100", "5%"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rateText);
        dialog->findChild<QSlider*>("sldRate")->setValue(row.rate);
        dialog->findChild<QSlider*>("sldVolume")->setValue(row.volume);
        EXPECT_EQ(rate->text(), row.rateText);
        EXPECT_EQ(volume->text(), row.volumeText);
    }
}

// The dialog is laid out for its content: nothing is narrower than it needs, and the sliders
// have room to be moved finely.
TEST_F(VoiceDialog, FitsItsContent) {
    auto dialog =
        Make({false, "espeak-with-a-rather-long-name", "a voice with a long name", 0, 80});
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        if (!child->isVisible() || child->objectName().startsWith("qt_")) continue;
        SCOPED_TRACE(child->objectName().toStdString() + " " + child->metaObject()->className());
        EXPECT_GE(child->width(), child->minimumSizeHint().width());
        EXPECT_TRUE(dialog->rect().contains(child->geometry()));
    }
    const int character = dialog->fontMetrics().horizontalAdvance(QLatin1Char('x'));
    EXPECT_GE(dialog->findChild<QSlider*>("sldRate")->width(), 24 * character);
    EXPECT_GE(dialog->findChild<QSlider*>("sldVolume")->width(), 24 * character);
    auto* engine = dialog->findChild<QComboBox*>("cboEngine");
    EXPECT_GE(engine->width(), engine->sizeHint().width()) << "the engine's name is whole";
}

TEST_F(VoiceDialog, TheSampleIsSpokenWithTheChoicesShownNow) {
    auto dialog = Make({false, "flite", "kal", 0, 80});
    dialog->findChild<QSlider*>("sldRate")->setValue(30);
    auto* button = dialog->findChild<QPushButton*>("cmdSample");
    EXPECT_EQ(button->text(), "&Speak a sample");
    button->click();
    ASSERT_EQ(made, 1);
    EXPECT_EQ(sampleWith.ratePercent, 30);
    EXPECT_EQ(sample->said,
              QStringList{"Breathe slowly and gently tap the indicated points. This is "
                          "how your guidance will sound."});
    EXPECT_DOUBLE_EQ(sample->rate, 0.3);
    button->click();
    EXPECT_EQ(made, 1) << "the same engine says it again";
    dialog->findChild<QComboBox*>("cboVoice")->setCurrentIndex(0);
    button->click();
    EXPECT_EQ(made, 2) << "another voice needs a new engine";
    EXPECT_EQ(sampleWith.voice, "");
}

// With German texts and no voice chosen the sample is said as guidance would say it: by a German
// voice, or not at all (never German read by an English voice).
struct SampleLanguageRow {
    const char* name;
    QStringList engineLanguages;
    QString chosenVoice;
    bool spoken;
    const char* voiceTaken;  // the language the engine was asked for; empty: never asked
    friend void PrintTo(const SampleLanguageRow& row, std::ostream* out) { *out << row.name; }
};

class SampleLanguage : public VoiceDialog, public ::testing::WithParamInterface<SampleLanguageRow> {
protected:
    void TearDown() override {
        SetTextLanguage(QStringLiteral("en"));
        VoiceDialog::TearDown();
    }
};

TEST_P(SampleLanguage, TheSampleSpeaksTheTextsLanguageOrNotAtAll) {
    const SampleLanguageRow& row = GetParam();
    SetTextLanguage(QStringLiteral("de"));
    sampleVoiceLanguages = row.engineLanguages;
    auto dialog = Make({false, "flite", row.chosenVoice, 0, 50});
    dialog->show();
    dialog->findChild<QPushButton*>("cmdSample")->click();
    auto* notice = dialog->findChild<QLabel*>("lblSampleNotice");
    ASSERT_EQ(made, 1);
    if (row.spoken) {
        EXPECT_EQ(sample->said.size(), 1);
        EXPECT_EQ(sample->voiceLanguage, QString::fromLatin1(row.voiceTaken));
        EXPECT_TRUE(notice->isHidden());
    } else {
        // The engine that has no German voice is let go at once, before it says anything.
        EXPECT_FALSE(notice->isHidden());
        EXPECT_EQ(notice->text(), NoVoiceForTextLanguage());
    }
    EXPECT_TRUE(modal.messages.isEmpty()) << "never a box";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SampleLanguage,
    ::testing::Values(SampleLanguageRow{"GermanVoiceFound", {"en", "de"}, {}, true, "de"},
                      SampleLanguageRow{"OnlyEnglishVoicesStaySilent", {"en"}, {}, false, "de"},
                      SampleLanguageRow{"AChosenVoiceIsKept", {"en"}, "kal", true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VoiceDialog, NoEngineForTheSampleSaysWhyWithoutABox) {
    sampleState = SpeakerState::Error;
    sampleError = "No audio device available";
    auto dialog = Make({});
    dialog->show();
    auto* button = dialog->findChild<QPushButton*>("cmdSample");
    auto* notice = dialog->findChild<QLabel*>("lblSampleNotice");
    ASSERT_NE(notice, nullptr);
    EXPECT_FALSE(notice->isVisible());
    button->click();
    EXPECT_TRUE(modal.messages.isEmpty());
    EXPECT_TRUE(button->toolTip().contains("No audio device available"));
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(),
              "Spoken guidance is unavailable (No audio device available). The session goes on "
              "without it.");
    // The dialog grows for the notice: every line of it shows, and nothing else is squeezed.
    QCoreApplication::sendPostedEvents();
    EXPECT_GE(notice->height(), notice->heightForWidth(notice->width()));
    for (auto* box : dialog->findChildren<QComboBox*>()) {
        EXPECT_GE(box->height(), box->minimumSizeHint().height())
            << box->objectName().toStdString();
    }
    sampleState = SpeakerState::Ready;
    button->click();
    EXPECT_EQ(made, 2);
    EXPECT_TRUE(button->toolTip().isEmpty());
    EXPECT_FALSE(notice->isVisible());
}

// Most engines learn that there is no audio device only once they speak; the notice follows,
// the reason shown as the text it is, and the next try starts a fresh engine.
TEST_F(VoiceDialog, AnEngineFailingWhileItSpeaksTheSampleShowsTheNotice) {
    auto dialog = Make({false, "flite", "", 0, 80});
    dialog->show();
    auto* button = dialog->findChild<QPushButton*>("cmdSample");
    auto* notice = dialog->findChild<QLabel*>("lblSampleNotice");
    button->click();
    ASSERT_NE(sample, nullptr);
    const QString hostile = "<h1>Please call 555-0100</h1><img src=x>";
    sample->Fail(hostile);
    EXPECT_TRUE(modal.messages.isEmpty());
    ASSERT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->textFormat(), Qt::PlainText);
    EXPECT_TRUE(notice->text().contains(hostile));
    QTextDocument tip;
    tip.setHtml(button->toolTip());
    EXPECT_EQ(tip.toPlainText(), "No voice could speak: " + hostile);
    button->click();
    EXPECT_EQ(made, 2) << "a failed engine is not asked again";
    EXPECT_FALSE(notice->isVisible());
}

TEST_F(VoiceDialog, OkSavesTheChoicesAndCancelKeepsTheOldOnes) {
    ASSERT_TRUE(SaveSpeechSettings({true, "", "", 0, 80}));
    const frmVoice::SpeakerFactory speaker = [](const SpeechSettings&) {
        return std::unique_ptr<Speaker>(new FakeSpeaker);
    };
    modal.setNextDialog([](QObject& object) {
        auto& dialog = static_cast<QDialog&>(object);
        dialog.findChild<QSlider*>("sldVolume")->setValue(40);
        dialog.findChild<QSlider*>("sldRate")->setValue(-60);
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(ShowVoiceDialog(nullptr, speaker));
    EXPECT_EQ(LoadSpeechSettings(), (SpeechSettings{true, "", "", 0, 80}));

    modal.setNextDialog([](QObject& object) {
        auto& dialog = static_cast<QDialog&>(object);
        EXPECT_TRUE(dialog.isModal());
        dialog.findChild<QSlider*>("sldVolume")->setValue(40);
        dialog.findChild<QSlider*>("sldRate")->setValue(-60);
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(ShowVoiceDialog(nullptr, speaker));
    EXPECT_EQ(LoadSpeechSettings(), (SpeechSettings{true, "", "", -60, 40}));
    EXPECT_EQ(modal.dialogsRun, 2);
}

}  // namespace
