// The session window on an 800 x 480 screen, smaller than the window's designed smallest size:
// the window stays within the screen, its content scrolls under the status bar, the keyboard
// reaches every control with it in view, and the size saved at the close opens no cut window
// on a larger screen. Also a platform that gives the window less than it asked.
#include <gtest/gtest.h>

#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWindow>
#include <string>

#include "fixtures/find_control.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/session_window_test.h"
#include "fixtures/settings_folder.h"
#include "window/window_fit.h"
#include "window/ui/frm_main.h"
#include "support/settings_store.h"

using namespace mindrova;
using mindrova::testing::Control;

namespace {

class TinyScreen : public mindrova::testing::SessionWindowTest {
protected:
    void SetUp() override {
        SessionWindowTest::SetUp();
        ASSERT_EQ(window->screen()->geometry().size(), QSize(800, 480));
    }

    QScrollBar* Bar(const char* name) const { return Control<QScrollBar>(window, name); }
    // The part of the window that shows the content: above the status bar, beside the bars.
    QRect View() const {
        const QScrollBar* right = Bar("scrContentVertical");
        const QScrollBar* bottom = Bar("scrContentHorizontal");
        return QRect(0, 0, right->isVisible() ? right->x() : window->width(),
                     bottom->isVisible() ? bottom->y() : Control(window, "picStatusBar")->y());
    }
    QRect InWindow(const QWidget* w) const {
        return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
    }
    QSize DesignedSmallest() const {
        const TwipSize least = MinimumClientSize();
        return {window->scale().px(least.width), window->scale().px(least.height)};
    }
    void ExpectFootOnScreen() const {
        const QWidget* bar = Control(window, "picStatusBar");
        EXPECT_EQ(InWindow(bar).bottom(), window->rect().bottom()) << "the status bar at the foot";
        EXPECT_EQ(bar->width(), window->width());
        for (const char* name : {"cmdNav", "lblTime_New"}) {
            const QWidget* control = Control(window, name);
            EXPECT_TRUE(window->rect().contains(InWindow(control))) << name << " in the window";
            EXPECT_EQ(window->childAt(InWindow(control).center()), control) << name << " on top";
        }
    }

    mindrova::testing::SettingsFolder folder;
    mindrova::testing::ModalRecorder modal;
};

TEST_F(TinyScreen, TheWindowStaysOnTheScreenAndItsContentScrolls) {
    const QRect area = window->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window->frameGeometry()))
        << window->frameGeometry().width() << "x" << window->frameGeometry().height();
    EXPECT_LE(window->minimumWidth(), area.width());
    EXPECT_LE(window->minimumHeight(), area.height());
    EXPECT_TRUE(Bar("scrContentVertical")->isVisible());
    EXPECT_TRUE(Bar("scrContentHorizontal")->isVisible());
    ExpectFootOnScreen();
    // The content keeps the designed smallest size behind the view.
    EXPECT_EQ(Control(window, "picToolBar")->width(), DesignedSmallest().width());
    EXPECT_EQ(
        Bar("scrContentVertical")->maximum(),
        DesignedSmallest().height() - Control(window, "picStatusBar")->height() - View().height());
}

struct TabRow {
    const char* name;
    int nexts;  // Next pressed after the start
};
void PrintTo(const TabRow& row, std::ostream* os) {
    *os << row.name;
}

class TabWalk : public TinyScreen, public ::testing::WithParamInterface<TabRow> {};

// Tab and Shift+Tab through every control of the step: each one that takes the focus is scrolled
// into view, the last ones of the issue list included, and the toolbar's again on the way back.
TEST_P(TabWalk, EveryFocusedControlIsScrolledIntoView) {
    for (int i = 0; i < GetParam().nexts; ++i) window->controller().Next();
    Control(window, "cmdExit")->setFocus(Qt::TabFocusReason);
    int scrolled = 0;
    for (const Qt::KeyboardModifiers direction :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        for (int i = 0; i < 24; ++i) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            QTest::keyClick(focused, Qt::Key_Tab, direction);
            focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            SCOPED_TRACE(focused->objectName().toStdString());
            if (Control(window, "picStatusBar")->isAncestorOf(focused)) continue;
            EXPECT_TRUE(View().contains(InWindow(focused)))
                << InWindow(focused).x() << "," << InWindow(focused).y() << " " << focused->width()
                << "x" << focused->height() << " in " << View().width() << "x" << View().height();
            if (Bar("scrContentVertical")->value() != 0 ||
                Bar("scrContentHorizontal")->value() != 0) {
                ++scrolled;
            }
        }
    }
    if (GetParam().nexts > 0) {
        EXPECT_GT(scrolled, 0) << "the lower controls needed scrolling";
    }
    ExpectFootOnScreen();
}

INSTANTIATE_TEST_SUITE_P(Steps, TabWalk,
                         ::testing::Values(TabRow{"intro", 0}, TabRow{"select_issue", 1},
                                           TabRow{"assign_sud", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TinyScreen, TheWheelTurnsTheContentAndTheBarsFollowIt) {
    const QPoint toolbar = Control(window, "picToolBar")->pos();
    const QPoint at = InWindow(Control(window, "lblSplit")).center();
    QWheelEvent wheel(at, window->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window, &wheel);
    const int turned = Bar("scrContentVertical")->value();
    EXPECT_GT(turned, 0);
    EXPECT_EQ(Control(window, "picToolBar")->pos(), toolbar - QPoint(0, turned));
    ExpectFootOnScreen();
    Bar("scrContentVertical")->setValue(0);
    EXPECT_EQ(Control(window, "picToolBar")->pos(), toolbar);
}

// A platform that gives another size than the one asked (a compositor that refuses it, a window
// manager that clamps it): the window takes it as it is, asks nothing again, and stays usable.
TEST_F(TinyScreen, ASizeOtherThanAskedIsTakenWithoutAskingAgain) {
    Bar("scrContentVertical")->setValue(Bar("scrContentVertical")->maximum());
    const QSize given(480, 300);
    window->windowHandle()->resize(given);
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    ASSERT_EQ(window->size(), given) << "the platform's size is the window's";
    EXPECT_TRUE(Bar("scrContentVertical")->isVisible());
    EXPECT_TRUE(Bar("scrContentHorizontal")->isVisible());
    ExpectFootOnScreen();
    // The content behind the view keeps its design; the lower Pause button's place under the
    // panels stays within it.
    EXPECT_EQ(Control(window, "picToolBar")->width(), DesignedSmallest().width());
    Control(window, "cmdNavig(1)")->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(View().contains(InWindow(Control(window, "cmdNavig(1)"))));

    // Given its room back, the window is laid out exactly as one that never scrolled.
    window->resize(1152, 750);
    EXPECT_FALSE(Bar("scrContentVertical")->isVisible());
    EXPECT_FALSE(Bar("scrContentHorizontal")->isVisible());
    EXPECT_EQ(Control(window, "picToolBar")->geometry(),
              QRect(0, 0, 1152, window->scale().px(690)));
    EXPECT_EQ(Control(window, "picLeftFrame")->geometry(),
              window->scale().rect(window->layoutTwips().picLeftFrame));
    EXPECT_EQ(InWindow(Control(window, "picStatusBar")).bottom(), window->rect().bottom());
}

// The screen's area changes under an open window it no longer holds (as after a change of
// resolution): the window is fitted into it again, asks for no more than it has, and scrolls.
TEST_F(TinyScreen, AWindowTheChangedScreenNoLongerHoldsIsFittedAndScrolls) {
    QScreen* screen = window->screen();
    const QRect area = screen->availableGeometry();
    window->setGeometry(QRect(area.topLeft() + QPoint(100, 60), QSize(1300, 900)));
    ASSERT_FALSE(area.contains(window->frameGeometry()));
    emit screen->availableGeometryChanged(area);
    EXPECT_TRUE(area.contains(window->frameGeometry()))
        << window->frameGeometry().width() << "x" << window->frameGeometry().height() << "+"
        << window->frameGeometry().x() << "+" << window->frameGeometry().y();
    EXPECT_LE(window->minimumHeight(), area.height());
    EXPECT_TRUE(Bar("scrContentVertical")->isVisible());
    ExpectFootOnScreen();
}

struct SaveRow {
    const char* name;
    QSize client;  // as the platform gave it at the close
};
void PrintTo(const SaveRow& row, std::ostream* os) {
    *os << row.name;
}

class SavedSize : public TinyScreen, public ::testing::WithParamInterface<SaveRow> {};

// The size saved at the close is never below the designed one: the next start on a screen
// that holds the design would otherwise take a size whose controls do not fit.
TEST_P(SavedSize, IsNeverBelowTheDesignedSmallestWindow) {
    window->windowHandle()->resize(GetParam().client);
    QCoreApplication::processEvents();
    const QSize frame = window->frameGeometry().size() - window->size();
    const QSize least = DesignedSmallest();
    window->close();
    window = nullptr;
    QCoreApplication::processEvents();
    const StoredPosition stored = ReadStoredPosition();
    ASSERT_TRUE(stored.present);
    const TwipScale scale;
    EXPECT_GE(stored.width, qRound(scale.twips(least.width() + frame.width())));
    EXPECT_GE(stored.height, qRound(scale.twips(least.height() + frame.height())));
    EXPECT_GE(stored.width, qRound(scale.twips(GetParam().client.width())))
        << "a size the user chose above the design is kept";
}

INSTANTIATE_TEST_SUITE_P(Closings, SavedSize,
                         ::testing::Values(SaveRow{"as_opened_on_the_small_screen", QSize()},
                                           SaveRow{"narrow_and_low", QSize(500, 300)},
                                           SaveRow{"wide_but_low", QSize(1300, 300)}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
