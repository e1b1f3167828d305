// The Appearance dialog: it starts from the saved choices, saves only what OK confirms, and the
// session window's "Appearance..." item applies the saved look and text size at once. Under the
// dark and high-contrast looks the program's dialogs keep their texts' contrast.
#include "display/ui/frm_appearance.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "speech/ui/frm_voice.h"
#include "fixtures/find_control.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/open_session_window.h"
#include "fixtures/settings_folder.h"
#include "fixtures/text_contrast.h"
#include "window/ui/window_look.h"
#include "window/ui/window_services.h"
#include "support/settings_store.h"

using namespace mindrova;
using mindrova::testing::Control;

namespace {

class AppearanceDialog : public ::testing::Test {
protected:
    void SetUp() override { mindrova::testing::Application(); }
    void TearDown() override { ApplyApplicationLook(Look::Light); }
    mindrova::testing::SettingsFolder folder;
    mindrova::testing::ModalRecorder modal;
};

TEST_F(AppearanceDialog, StartsFromTheSavedChoicesWithNamedControlsAndMnemonics) {
    const struct {
        const char* name;
        DisplaySettings saved;
        QString look;
        int size;
    } cases[] = {
        {"defaults", {}, "As the desktop", 100},
        {"dark, 150 %", {{}, 150, Appearance::Dark, {}}, "Dark", 150},
        {"high contrast, 200 %", {{}, 200, Appearance::HighContrast, {}}, "High contrast", 200},
        {"unusable size", {{}, 999, Appearance::Light, {}}, "Light", 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        frmAppearance dialog(c.saved);
        EXPECT_EQ(dialog.windowTitle(), "Appearance");
        auto* look = Control<QComboBox>(&dialog, "cboAppearance");
        auto* size = Control<QSpinBox>(&dialog, "spnTextSize");
        EXPECT_EQ(look->currentText(), c.look);
        EXPECT_EQ(size->value(), c.size);
        EXPECT_EQ(size->minimum(), 100);
        EXPECT_EQ(size->maximum(), 200);
        QStringList buddies;
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->buddy()) buddies << label->text();
        }
        EXPECT_EQ(buddies, QStringList({"&Appearance:", "&Text size:", "&Language:"}));
        EXPECT_EQ(Control<QPushButton>(&dialog, "cmdOK")->text(), "&OK");
        EXPECT_TRUE(Control<QPushButton>(&dialog, "cmdOK")->isDefault());
        EXPECT_EQ(Control<QPushButton>(&dialog, "cmdCancel")->text(), "&Cancel");
    }
}

TEST_F(AppearanceDialog, SavesOnlyWhatOKConfirms) {
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        modal.setNextDialog([ok](QObject& d) {
            auto& dialog = static_cast<frmAppearance&>(d);
            auto* look = Control<QComboBox>(&dialog, "cboAppearance");
            look->setCurrentIndex(look->findText("High contrast"));
            Control<QSpinBox>(&dialog, "spnTextSize")->setValue(130);
            return ok ? QDialog::Accepted : QDialog::Rejected;
        });
        EXPECT_EQ(ShowAppearanceDialog(nullptr), ok);
        const DisplaySettings saved = LoadDisplaySettings();
        EXPECT_EQ(saved.appearance, ok ? Appearance::HighContrast : Appearance::System);
        EXPECT_EQ(saved.textScalePercent, ok ? 130 : 100);
    }
}

// The language is taken at the next start, which the dialog says; the saved choice is shown again.
TEST_F(AppearanceDialog, SavesTheLanguageForTheNextStart) {
    const struct {
        const char* name;
        const char* saved;
        const char* shown;
        const char* pick;
        const char* written;
    } cases[] = {
        {"nothing saved, German chosen", "", "Follow the desktop", "Deutsch", "de"},
        {"Spanish saved, desktop chosen", "es", "Espa\xC3\xB1ol", "Follow the desktop", ""},
        {"unknown saved reads as English", "xx", "English", "Espa\xC3\xB1ol", "es"},
        {"nothing saved, French chosen", "", "Follow the desktop", "Fran\u00e7ais", "fr"},
        {"French saved, English chosen", "fr", "Fran\u00e7ais", "English", "en"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SaveStringValue(RegistryRoot::HKEY_CURRENT_USER, QString(PROGRAM_KEY) + "\\Display",
                        "Language", QString::fromUtf8(c.saved));
        modal.setNextDialog([&c](QObject& d) {
            auto& dialog = static_cast<frmAppearance&>(d);
            auto* language = Control<QComboBox>(&dialog, "cboLanguage");
            EXPECT_EQ(language->currentText(), QString::fromUtf8(c.shown));
            EXPECT_FALSE(language->accessibleName().isEmpty());
            EXPECT_EQ(language->accessibleDescription(),
                      Control<QLabel>(&dialog, "lblLanguageNote")->text());
            EXPECT_TRUE(Control<QLabel>(&dialog, "lblLanguageNote")->text().contains("next time"));
            language->setCurrentIndex(language->findText(QString::fromUtf8(c.pick)));
            return int(QDialog::Accepted);
        });
        EXPECT_TRUE(ShowAppearanceDialog(nullptr));
        EXPECT_EQ(LoadDisplaySettings().language, c.written);
    }
}

// The menu item runs the dialog with the session's clock held, and what it saved shows at once.
TEST_F(AppearanceDialog, TheMenuItemAppliesTheSavedLookAndTextSize) {
    mindrova::testing::TestWindowServices services;
    services.showAppearanceDialog = [](QWidget* owner) { return ShowAppearanceDialog(owner); };
    frmMain* window = mindrova::testing::OpenSessionWindow(std::move(services));
    modal.setNextDialog([window](QObject& d) {
        EXPECT_FALSE(window->stepTimer().isActive()) << "the clock is held";
        auto& dialog = static_cast<frmAppearance&>(d);
        auto* look = Control<QComboBox>(&dialog, "cboAppearance");
        look->setCurrentIndex(look->findText("Dark"));
        Control<QSpinBox>(&dialog, "spnTextSize")->setValue(120);
        return int(QDialog::Accepted);
    });
    Control<QAction>(window, "mnuPopUpAppearance")->trigger();
    EXPECT_EQ(modal.dialogsRun, 1);
    EXPECT_EQ(CurrentLook(), Look::Dark);
    EXPECT_EQ(window->TextScalePercent(), 120);
    EXPECT_EQ(Control(window, "picToolBar")->palette().color(QPalette::Window),
              ColoursFor(Look::Dark).bars);
    EXPECT_TRUE(mindrova::testing::TextContrastProblems(window, 4.5).isEmpty());

    // Back to light: the window's own colours are the design's again.
    modal.setNextDialog([](QObject& d) {
        auto* look = Control<QComboBox>(&static_cast<frmAppearance&>(d), "cboAppearance");
        look->setCurrentIndex(look->findText("Light"));
        return int(QDialog::Accepted);
    });
    Control<QAction>(window, "mnuPopUpAppearance")->trigger();
    EXPECT_EQ(CurrentLook(), Look::Light);
    EXPECT_EQ(Control(window, "picToolBar")->palette().color(QPalette::Window),
              QColor(252, 252, 252));
    EXPECT_EQ(window->markerColour(2), kMarkerRed);
    mindrova::testing::CloseSessionWindow(window);
}

// "Follow the round" starts from the saved choice, is saved by OK only, and the window follows
// the saved choice at once.
TEST_F(AppearanceDialog, FollowTheRoundIsSavedAndTakenAtOnce) {
    const struct {
        const char* name;
        bool saved;
        bool ok;
        bool kept;
    } cases[] = {
        {"turned on", false, true, true},
        {"turned on, then Cancel", false, false, false},
        {"turned off", true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(SaveFollowRound(c.saved));
        mindrova::testing::TestWindowServices services;
        services.showAppearanceDialog = [](QWidget* owner) { return ShowAppearanceDialog(owner); };
        frmMain* window = mindrova::testing::OpenSessionWindow(std::move(services));
        auto* item = Control<QAction>(window, "mnuPopUpFollowRound");
        EXPECT_EQ(item->isChecked(), c.saved);
        modal.setNextDialog([&c](QObject& d) {
            auto* box = Control<QCheckBox>(&static_cast<frmAppearance&>(d), "chkFollowRound");
            EXPECT_EQ(box->isChecked(), c.saved);
            EXPECT_EQ(box->text(), "&Follow the round");
            EXPECT_FALSE(box->accessibleDescription().isEmpty());
            box->setChecked(!c.saved);
            return int(c.ok ? QDialog::Accepted : QDialog::Rejected);
        });
        Control<QAction>(window, "mnuPopUpAppearance")->trigger();
        EXPECT_EQ(LoadDisplaySettings().followRound, c.kept);
        EXPECT_EQ(item->isChecked(), c.kept) << "the menu item shows the choice at once";
        mindrova::testing::CloseSessionWindow(window);
    }
}

TEST_F(AppearanceDialog, DialogsKeepTheirContrastInTheDarkLooks) {
    for (const auto& [look, least] :
         {std::pair{Look::Dark, 4.5}, std::pair{Look::HighContrast, 7.0}}) {
        SCOPED_TRACE(look == Look::Dark ? "dark" : "high contrast");
        ApplyApplicationLook(look);
        frmAppearance appearance(DisplaySettings{});
        frmVoice voice(
            SpeechSettings{}, {"flite"}, [](const QString&) { return QStringList{}; },
            [](const SpeechSettings&) { return std::unique_ptr<Speaker>(); });
        for (QWidget* dialog : std::initializer_list<QWidget*>{&appearance, &voice}) {
            EXPECT_LT(dialog->palette().color(QPalette::Window).lightness(), 64);
            const QStringList problems = mindrova::testing::TextContrastProblems(dialog, least);
            EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
        }
    }
}

}  // namespace
