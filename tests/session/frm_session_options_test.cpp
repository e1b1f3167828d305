// The Session options dialog: it starts from the saved pace, saves only what OK confirms, and the
// session window's "Session options..." item gives the saved pace to the session at once; at
// start-up the window gives it the pace saved before.
#include "session/ui/frm_session_options.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>

#include "fixtures/find_control.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/open_session_window.h"
#include "fixtures/settings_folder.h"
#include "session/session_options.h"
#include "support/settings_store.h"
#include "window/ui/window_services.h"

using namespace mindrova;
using mindrova::testing::Control;

namespace {

class SessionOptionsDialog : public ::testing::Test {
protected:
    void SetUp() override { mindrova::testing::Application(); }
    QSettings File() const { return QSettings(folder.ConfPath(), QSettings::IniFormat); }
    mindrova::testing::SettingsFolder folder;
    mindrova::testing::ModalRecorder modal;
};

TEST_F(SessionOptionsDialog, StartsFromTheGivenPaceWithNamedControlsAndMnemonics) {
    const struct {
        const char* name;
        SessionPace pace;
        int seconds;
        QString round;
    } cases[] = {
        {"defaults", {}, 2, "All sixteen points"},
        {"slow, one side", {9, RoundKind::OneSide}, 9, "One side per round, eight points"},
        {"unusable seconds", {0, RoundKind::Full}, 2, "All sixteen points"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        frmSessionOptions dialog(c.pace);
        EXPECT_EQ(dialog.windowTitle(), "Session options");
        auto* seconds = Control<QSpinBox>(&dialog, "spnSecondsPerPoint");
        auto* round = Control<QComboBox>(&dialog, "cboRound");
        EXPECT_EQ(seconds->value(), c.seconds);
        EXPECT_EQ(seconds->minimum(), 1);
        EXPECT_EQ(seconds->maximum(), 10);
        EXPECT_EQ(round->currentText(), c.round);
        EXPECT_FALSE(seconds->accessibleName().isEmpty());
        EXPECT_FALSE(round->accessibleName().isEmpty());
        QStringList buddies;
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->buddy()) buddies << label->text();
        }
        EXPECT_EQ(buddies, QStringList({"&Seconds per point:", "&Round:"}));
        EXPECT_TRUE(Control<QPushButton>(&dialog, "cmdOK")->isDefault());
        EXPECT_EQ(Control<QPushButton>(&dialog, "cmdCancel")->text(), "&Cancel");
    }
}

TEST_F(SessionOptionsDialog, SavesOnlyWhatOKConfirms) {
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        modal.setNextDialog([ok](QObject& d) {
            auto& dialog = static_cast<frmSessionOptions&>(d);
            Control<QSpinBox>(&dialog, "spnSecondsPerPoint")->setValue(4);
            auto* round = Control<QComboBox>(&dialog, "cboRound");
            round->setCurrentIndex(round->findData(int(RoundKind::OneSide)));
            return ok ? QDialog::Accepted : QDialog::Rejected;
        });
        EXPECT_EQ(ShowSessionOptionsDialog(nullptr), ok);
        EXPECT_EQ(LoadSessionOptions(),
                  ok ? (SessionPace{4, RoundKind::OneSide}) : (SessionPace{}));
    }
    EXPECT_EQ(File().value("Session/SecondsPerPoint").toInt(), 4);
    EXPECT_EQ(File().value("Session/Round").toString(), "one-side");
}

// The window reads the saved pace at start-up (a bad value as the default), and the menu item
// runs the dialog with the session's clock held and gives the session what it saved.
TEST_F(SessionOptionsDialog, TheWindowGivesTheSessionTheSavedPace) {
    {
        QSettings file = File();
        file.setValue("Session/SecondsPerPoint", 6);
        file.setValue("Session/Round", "half");
    }
    mindrova::testing::TestWindowServices services;
    services.showSessionOptionsDialog = [](QWidget* owner) {
        return ShowSessionOptionsDialog(owner);
    };
    frmMain* window = mindrova::testing::OpenSessionWindow(std::move(services));
    EXPECT_EQ(window->controller().Pace(), (SessionPace{6, RoundKind::Full}));
    auto* item = Control<QAction>(window, "mnuPopUpSessionOptions");
    EXPECT_EQ(item->text(), "Session options...");
    modal.setNextDialog([window](QObject& d) {
        EXPECT_FALSE(window->stepTimer().isActive()) << "the clock is held";
        auto& dialog = static_cast<frmSessionOptions&>(d);
        EXPECT_EQ(Control<QSpinBox>(&dialog, "spnSecondsPerPoint")->value(), 6);
        Control<QSpinBox>(&dialog, "spnSecondsPerPoint")->setValue(3);
        auto* round = Control<QComboBox>(&dialog, "cboRound");
        round->setCurrentIndex(round->findData(int(RoundKind::OneSide)));
        return int(QDialog::Accepted);
    });
    item->trigger();
    EXPECT_EQ(modal.dialogsRun, 1);
    EXPECT_EQ(window->controller().Pace(), (SessionPace{3, RoundKind::OneSide}));
    modal.setNextDialog([](QObject&) { return int(QDialog::Rejected); });
    item->trigger();
    EXPECT_EQ(window->controller().Pace(), (SessionPace{3, RoundKind::OneSide}))
        << "Cancel changes nothing";
    mindrova::testing::CloseSessionWindow(window);
}

}  // namespace
