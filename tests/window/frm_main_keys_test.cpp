// The session window driven from the keyboard and the popup menu.
#include <gtest/gtest.h>

#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "display/display_settings.h"
#include "fixtures/find_control.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/session_window_test.h"
#include "fixtures/settings_folder.h"
#include "window/ui/frm_main.h"
#include "window/ui/frm_shortcuts.h"
#include "window/ui/window_services.h"
#include "support/settings_store.h"

using namespace mindrova;
using mindrova::testing::Control;
using mindrova::testing::ModalRecorder;

namespace {

class Keys : public mindrova::testing::SessionWindowTest {
protected:
    // A key as the user presses it: to whichever control has the focus.
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    // The session's pause, checked against what the toolbar shows.
    bool Paused() const {
        const bool paused = window->controller().Paused();
        EXPECT_EQ(Control(window, "cmdResume")->isVisibleTo(window), paused);
        EXPECT_EQ(Control(window, "cmdPause")->isVisibleTo(window), !paused);
        return paused;
    }
    void ToTappingPoint() {
        for (int i = 0; i < 6; ++i) window->controller().Next();
        ASSERT_EQ(Current(), estTopHead1);
    }

    ModalRecorder modal;
};

TEST_F(Keys, NextKeysWithAnyModifierMoveOnAndFocusNext) {
    const int keys[] = {Qt::Key_N,      Qt::Key_Space, Qt::Key_Right,   Qt::Key_Down,
                        Qt::Key_Return, Qt::Key_Enter, Qt::Key_PageDown};
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier,
                                               Qt::ControlModifier};
    int expected = estIntro;
    for (int key : keys) {
        for (auto modifier : modifiers) {
            if (Current() == estStimulateThymus) {
                window->controller().cmdFinish_Click();
                window->controller().Next();
                expected = estIntro;
            }
            Press(key, modifier);
            ++expected;
            EXPECT_EQ(Current(), expected) << "key " << key << " modifiers " << modifier;
            EXPECT_EQ(QApplication::focusWidget(), Control(window, "cmdNavig", 1));
        }
    }
}

TEST_F(Keys, PreviousKeysAndTheIntro) {
    for (int key : {Qt::Key_P, Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Up, Qt::Key_PageUp}) {
        Press(key);
        EXPECT_EQ(Current(), estIntro) << "Previous at the intro is swallowed";
        window->controller().Next();
        window->controller().Next();
        ASSERT_EQ(Current(), estAssignSUD);
        Press(key, Qt::ShiftModifier);
        EXPECT_EQ(Current(), estSelectIssue);
        EXPECT_EQ(QApplication::focusWidget(), Control(window, "cmdNavig", 0));
        Press(key);
        EXPECT_EQ(Current(), estIntro);
        EXPECT_EQ(QApplication::focusWidget(), Control(window, "cmdNavig", 1))
            << "Previous is disabled at the intro, so the focus goes to Next";
    }
}

TEST_F(Keys, EscPausesAndAnyKeyResumesWithoutDoingMore) {
    ToTappingPoint();
    Press(Qt::Key_Escape);
    EXPECT_TRUE(Paused());
    EXPECT_FALSE(window->stepTimer().isActive());
    for (int key : {Qt::Key_N, Qt::Key_P, Qt::Key_F1, Qt::Key_A, Qt::Key_Escape}) {
        if (!Paused()) Press(Qt::Key_Escape);
        Press(key);
        EXPECT_FALSE(Paused()) << key;
        EXPECT_EQ(Current(), estTopHead1) << "a resuming key does nothing else";
        EXPECT_TRUE(window->stepTimer().isActive());
    }
    window->controller().Next();  // to the relaxation, where Pause is not available
    Press(Qt::Key_Escape);
    EXPECT_FALSE(Paused());
    EXPECT_EQ(Current(), estRelax);
}

TEST_F(Keys, ReassessmentPutsTheFocusOnTheChosenRating) {
    ToTappingPoint();
    window->controller().Next();
    window->controller().Next();  // round 3, positive
    window->controller().radSUD_Click(3);
    Press(Qt::Key_N);
    ASSERT_EQ(Current(), estReassessSUD);
    EXPECT_EQ(QApplication::focusWidget(), Control(window, "radSUD", 3));
    // On an option the arrows and Space choose among the options.
    Press(Qt::Key_Right);
    EXPECT_EQ(Current(), estReassessSUD);
    EXPECT_NE(QApplication::focusWidget(), Control(window, "radSUD", 3));
    Press(Qt::Key_Return);
    EXPECT_EQ(Current(), estTopHead1);
}

TEST_F(Keys, IssueChosenFromTheKeyboard) {
    Press(Qt::Key_Space);
    ASSERT_EQ(Current(), estSelectIssue);
    Control(window, "radMode", 5)->setFocus();
    Press(Qt::Key_Down);
    Press(Qt::Key_Space);
    EXPECT_EQ(Current(), estSelectIssue);
    EXPECT_EQ(window->controller().State().genmSelectedIssue, eisPTSDTrauma)
        << "the option below Negative memory in the list";
    Press(Qt::Key_Return);
    EXPECT_EQ(Current(), estAssignSUD);
}

TEST_F(Keys, AltMnemonicIssuesItsCommandOnce) {
    Press(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(Current(), estSelectIssue);
    Press(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(Current(), estAssignSUD);
    Press(Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(Current(), estSelectIssue);
    Press(Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(Current(), estFinish);
}

TEST_F(Keys, PopupMenuItems) {
    QMenu* menu = window->findChild<QMenu*>("mnuPopUp");
    ASSERT_NE(menu, nullptr);
    QStringList captions;
    for (QAction* a : menu->actions()) captions << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(captions,
              QStringList({"Keyboard Shortcuts", "About", "Keep a private journal", "Journal...",
                           "Spoken guidance", "Voice...", "Steady markers", "Follow the round",
                           "Appearance...", "Session options...", "-", "Exit"}));

    QTest::mouseClick(Control(window, "cmdNav"), Qt::LeftButton);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();

    Control<QAction>(window, "mnuPopUpShortcuts")->trigger();
    Control<QAction>(window, "mnuPopUpShortcuts")->trigger();
    int shortcuts = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<frmShortcuts*>(w) && w->isVisible()) ++shortcuts;
    }
    EXPECT_EQ(shortcuts, 1);
}

// The Menu key and Shift+F10 open the status bar's menu, with its first item chosen, while the
// session goes on behind it; a paused session resumes first, as with every key, and the
// own-words field keeps its own menu.
struct MenuKeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    bool paused;
    bool typing;
    bool opens;
    friend void PrintTo(const MenuKeyCase& c, std::ostream* out) { *out << c.name; }
};

class MenuKeys : public Keys, public ::testing::WithParamInterface<MenuKeyCase> {};

TEST_P(MenuKeys, OpenTheMenuFromTheKeyboard) {
    const MenuKeyCase& row = GetParam();
    QMenu* menu = window->findChild<QMenu*>("mnuPopUp");
    ASSERT_NE(menu, nullptr);
    if (row.typing) {
        window->controller().Next();
        Control(window, "txtOwnWords")->setFocus();
    } else {
        ToTappingPoint();
        if (row.paused) window->controller().Pause();
    }
    const Step before = Current();
    Press(row.key, row.modifiers);
    EXPECT_EQ(menu->isVisible(), row.opens);
    EXPECT_EQ(Current(), before);
    if (row.opens) {
        EXPECT_EQ(menu->activeAction(), menu->actions().first());
        EXPECT_TRUE(window->stepTimer().isActive()) << "the session goes on behind the menu";
        const QRect button(Control(window, "cmdNav")->mapToGlobal(QPoint(0, 0)),
                           Control(window, "cmdNav")->size());
        EXPECT_LE(menu->geometry().left(), button.right());
        EXPECT_TRUE(menu->screen()->geometry().contains(menu->geometry()));
        menu->hide();
    }
    if (row.paused) {
        EXPECT_FALSE(Paused()) << "the key resumed";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MenuKeys,
    ::testing::Values(
        MenuKeyCase{"MenuKey", Qt::Key_Menu, Qt::NoModifier, false, false, true},
        MenuKeyCase{"ShiftF10", Qt::Key_F10, Qt::ShiftModifier, false, false, true},
        MenuKeyCase{"F10Alone", Qt::Key_F10, Qt::NoModifier, false, false, false},
        MenuKeyCase{"MenuKeyPaused", Qt::Key_Menu, Qt::NoModifier, true, false, false},
        // Shift goes down first and, like every key, resumes; F10 then opens.
        MenuKeyCase{"ShiftF10Paused", Qt::Key_F10, Qt::ShiftModifier, true, false, true},
        MenuKeyCase{"MenuKeyInOwnWords", Qt::Key_Menu, Qt::NoModifier, false, true, false}),
    [](const ::testing::TestParamInfo<MenuKeyCase>& info) { return std::string(info.param.name); });

// The menu button sits in the status bar at the bottom of the window, which is at the bottom of
// the screen: by a click as by a key the menu opens above the button, never down off the screen.
struct MenuOpening {
    const char* name;
    int key;  // 0: a click on the button
    Qt::KeyboardModifiers modifiers;
    friend void PrintTo(const MenuOpening& c, std::ostream* out) { *out << c.name; }
};

class MenuAbove : public Keys, public ::testing::WithParamInterface<MenuOpening> {};

TEST_P(MenuAbove, TheMenuOpensAboveItsButton) {
    QMenu* menu = window->findChild<QMenu*>("mnuPopUp");
    ASSERT_NE(menu, nullptr);
    QWidget* button = Control(window, "cmdNav");
    const QRect screen = window->screen()->geometry();
    const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
    ASSERT_TRUE(screen.contains(onScreen));
    ASSERT_GT(screen.bottom() - onScreen.bottom(), 0);
    ASSERT_LT(screen.bottom() - onScreen.bottom(), menu->sizeHint().height())
        << "too little room below the button for the menu";
    if (GetParam().key == 0) {
        // The press far left on the button: the menu does not follow the pointer down.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(1, button->height() - 2));
    } else {
        Press(GetParam().key, GetParam().modifiers);
    }
    ASSERT_TRUE(menu->isVisible());
    const QRect shown = menu->geometry();
    EXPECT_LE(shown.bottom(), onScreen.top()) << "above the button";
    EXPECT_GE(shown.top(), screen.top());
    EXPECT_LE(shown.left(), onScreen.right());
    EXPECT_GE(shown.right(), onScreen.left());
    EXPECT_TRUE(screen.contains(shown));
    EXPECT_LE(shown.right(), window->mapToGlobal(QPoint(window->width() - 1, 0)).x())
        << "over the window, which a Wayland client cannot keep on the screen by itself";
    menu->hide();
}

INSTANTIATE_TEST_SUITE_P(Ways, MenuAbove,
                         ::testing::Values(MenuOpening{"Click", 0, Qt::NoModifier},
                                           MenuOpening{"MenuKey", Qt::Key_Menu, Qt::NoModifier},
                                           MenuOpening{"ShiftF10", Qt::Key_F10, Qt::ShiftModifier}),
                         [](const ::testing::TestParamInfo<MenuOpening>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(Keys, AboutHoldsARunningRoundAndLeavesAPausedOneAlone) {
    bool timerDuringAbout = true;
    int aboutShown = 0;
    mindrova::testing::TestWindowServices services;
    services.showAbout = [&] {
        ++aboutShown;
        timerDuringAbout = window->stepTimer().isActive();
    };
    Reopen(std::move(services));
    ToTappingPoint();
    Control<QAction>(window, "mnuPopUpAbout")->trigger();
    EXPECT_EQ(aboutShown, 1);
    EXPECT_FALSE(timerDuringAbout);
    EXPECT_TRUE(window->stepTimer().isActive());

    window->controller().Pause();
    Control<QAction>(window, "mnuPopUpAbout")->trigger();
    EXPECT_EQ(aboutShown, 2);
    EXPECT_FALSE(window->stepTimer().isActive());
    EXPECT_TRUE(Paused());
}

TEST_F(Keys, ExitFromTheMenuClosesTheWindow) {
    ToTappingPoint();
    QPointer<frmMain> guard(window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    Control<QAction>(window, "mnuPopUpExit")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->stepTimer().isActive());
}

}  // namespace

namespace {

// Ctrl+Plus (or Ctrl+=), Ctrl+Minus and Ctrl+0 size the text in steps, within 100..200 %, and the
// size is kept for the next start; while paused they only resume, as every key does.
TEST(TextSizeKeys, StepWithinTheRangeAreSavedAndOnlyResumeWhilePaused) {
    mindrova::testing::SettingsFolder folder;
    mindrova::testing::ModalRecorder modal;
    frmMain* window = mindrova::testing::OpenSessionWindow();
    const auto press = [window](int key) {
        QTest::keyClick(window->findChild<QWidget*>(QStringLiteral("cmdNavig(1)")), Qt::Key(key),
                        Qt::ControlModifier);
    };
    const struct {
        const char* name;
        int key;
        int percent;
    } steps[] = {
        {"Ctrl+Plus", Qt::Key_Plus, 110},
        {"Ctrl+=", Qt::Key_Equal, 120},
        {"Ctrl+Minus", Qt::Key_Minus, 110},
        {"Ctrl+0", Qt::Key_0, 100},
        {"Ctrl+Minus at the least", Qt::Key_Minus, 100},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.name);
        press(s.key);
        EXPECT_EQ(window->TextScalePercent(), s.percent);
        EXPECT_EQ(LoadDisplaySettings().textScalePercent, s.percent);
    }
    for (int i = 0; i < 15; ++i) press(Qt::Key_Plus);
    EXPECT_EQ(window->TextScalePercent(), TEXT_SCALE_MAX) << "no further than the largest";
    EXPECT_EQ(window->controller().State().genmCurrentStep, estIntro) << "no step was taken";

    for (int i = 0; i < 6; ++i) window->controller().Next();
    window->controller().Pause();
    ASSERT_TRUE(window->controller().Paused());
    press(Qt::Key_0);
    EXPECT_FALSE(window->controller().Paused()) << "the key resumed";
    EXPECT_EQ(window->TextScalePercent(), TEXT_SCALE_MAX) << "and did nothing else";
    press(Qt::Key_0);
    EXPECT_EQ(window->TextScalePercent(), TEXT_SCALE_DEFAULT) << "the next Ctrl+0 sizes again";
    mindrova::testing::CloseSessionWindow(window);
}

}  // namespace
