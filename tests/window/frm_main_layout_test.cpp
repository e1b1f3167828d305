// The window's layout as the user meets it: inside the client area at the opening size, the
// menu and clock reachable at any size, laid out again after a restore and on a screen of
// another scale.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFont>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <functional>
#include <limits>
#include <set>

#include "fixtures/modal_recorder.h"
#include "fixtures/session_window_test.h"
#include "fixtures/visit_session_steps.h"
#include "window/ui/frm_main.h"
#include "window/ui/layout_check.h"
#include "window/ui/window_services.h"

using namespace mindrova;

namespace {

class Layout : public mindrova::testing::SessionWindowTest {
protected:
    template <typename T = QWidget>
    T* Find(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }
    QRect InWindow(const QWidget* w) const {
        return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
    }
    // The widget a click at the centre of this control lands on.
    QWidget* OnTopAtCentreOf(const QWidget* w) const {
        return window->childAt(InWindow(w).center());
    }

    void VisitEverySessionStep(const std::function<void()>& check) {
        mindrova::testing::VisitEverySessionStep(window, check);
    }

    void ExpectNothingWrongShown() {
        SCOPED_TRACE("step " + std::to_string(Current()) + " at " +
                     std::to_string(window->width()) + "x" + std::to_string(window->height()));
        // The scrolling instructions take their text's height when the event loop runs next.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QStringList problems = LayoutProblems(window);
        EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
        const QWidget* pause = Find("cmdPause_Bottom");
        if (pause->isVisible()) {
            EXPECT_LE(InWindow(pause).bottom(), InWindow(Find("picStatusBar")).top() - 1)
                << "the lower Pause button stays above the status bar";
            EXPECT_GE(InWindow(pause).top(), InWindow(Find("picLeftFrame")).bottom() + 1)
                << "nor does it cover the panels";
        }
    }

    mindrova::testing::ModalRecorder modal;
};

TEST_F(Layout, TheMinimumSizeComesFromTheLayoutArithmetic) {
    const TwipScale& s = window->scale();
    EXPECT_EQ(window->minimumSize(), QSize(s.px(13620), s.px(8355)));
    window->resize(640, 480);
    EXPECT_EQ(window->size(), window->minimumSize()) << "the window shrinks no further";
    window->SetLogicalDpi(192);
    EXPECT_EQ(window->minimumSize(), QSize(window->scale().px(13620), window->scale().px(8355)));
}

// The smallest window still shows every control of every step whole, with no text over another;
// the instructions scroll where they are longer than their panel.
TEST_F(Layout, EveryStepFitsAtTheMinimumSize) {
    for (const auto& [dpi, text] : {std::pair{96.0, 100}, std::pair{192.0, 100},
                                    std::pair{96.0, 200}, std::pair{192.0, 150}}) {
        SCOPED_TRACE("dpi " + std::to_string(dpi) + ", text " + std::to_string(text) + " %");
        window->SetLogicalDpi(dpi);
        window->SetTextScalePercent(text);
        window->resize(window->minimumSize());
        ASSERT_EQ(window->size(), window->minimumSize());
        VisitEverySessionStep([&] { ExpectNothingWrongShown(); });
        delete window;
        window = mindrova::testing::OpenSessionWindow();
    }
}

// The row of the user's own sessions, with one chosen, and the gentle word under a heavy rating
// fit the smallest window too, at larger text and on a screen of twice the scale.
TEST_F(Layout, OwnSessionsAndTheGentleWordFitAtTheMinimumSize) {
    PersonalSessionListing listing;
    PersonalSession flying;
    flying.title = "Fear of flying";
    flying.setup = "Even though my hands sweat, I love and accept myself.";
    flying.negative = {"My hands are wet."};
    flying.positive = {"I am safe in my seat."};
    listing.sessions = {{"/sessions/flying.json", flying}};
    mindrova::testing::TestWindowServices services;
    services.listPersonalSessions = [listing] { return listing; };
    delete window;
    window = mindrova::testing::OpenSessionWindow(services);
    for (const auto& [dpi, text] : {std::pair{96.0, 100}, std::pair{96.0, 200},
                                    std::pair{192.0, 150}, std::pair{192.0, 200}}) {
        SCOPED_TRACE("dpi " + std::to_string(dpi) + ", text " + std::to_string(text) + " %");
        window->SetLogicalDpi(dpi);
        window->SetTextScalePercent(text);
        window->resize(window->minimumSize());
        window->controller().Next();
        ASSERT_EQ(Current(), estSelectIssue);
        auto* list = window->findChild<QComboBox*>("cboPersonalSession");
        ASSERT_NE(list, nullptr);
        list->setCurrentIndex(1);
        emit list->activated(1);
        ExpectNothingWrongShown();
        window->controller().Next();
        auto* heavy = window->findChild<QRadioButton*>("radSUD(9)");
        heavy->click();
        ASSERT_TRUE(Find("lblGentleWord")->isVisible());
        ExpectNothingWrongShown();
        // Below the scale, inside the panel.
        EXPECT_GE(InWindow(Find("lblGentleWord")).top(), InWindow(Find("fraSUD_2")).bottom());
        EXPECT_LE(InWindow(Find("lblGentleWord")).bottom(),
                  InWindow(Find("picRightFrame")).bottom());
        delete window;
        window = mindrova::testing::OpenSessionWindow(services);
    }
}

// A maximized window on the commonest laptop screen (the client under a title bar) and a few
// sizes on the way up to the opening size.
TEST_F(Layout, CommonScreensShowEveryStepWhole) {
    for (const QSize size :
         {QSize(1366, 741), QSize(1280, 693), QSize(1014, 570), QSize(1920, 1053)}) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        window->resize(size);
        ASSERT_EQ(window->size(), size);
        VisitEverySessionStep([&] { ExpectNothingWrongShown(); });
        delete window;
        window = mindrova::testing::OpenSessionWindow();
    }
}

TEST_F(Layout, EveryShownControlLiesInsideTheClientAreaAtTheOpeningSize) {
    // The platform draws a frame: the layout must not count it as room for the controls.
    ASSERT_NE(window->frameGeometry().size(), window->size()) << "the platform draws no frame";
    const QRect client = window->rect();
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE("step " + std::to_string(Current()));
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) ||
                                 qobject_cast<MarkerPicture*>(w);
            if (!control || !w->isVisibleTo(window)) continue;
            EXPECT_TRUE(client.contains(InWindow(w)))
                << w->objectName().toStdString() << " at " << InWindow(w).x() << ","
                << InWindow(w).y() << " " << w->width() << "x" << w->height() << " in "
                << client.width() << "x" << client.height();
        }
        window->controller().Next();
    }
    // The lower Pause button sits on the status bar's upper edge, never across the bar.
    EXPECT_EQ(InWindow(Find("cmdPause_Bottom")).bottom(), InWindow(Find("picStatusBar")).top() - 1);
    EXPECT_EQ(InWindow(Find("picStatusBar")).bottom(), client.bottom());
    // The Feedback button keeps its distance from the right edge of what the user sees.
    const TwipScale& s = window->scale();
    EXPECT_NEAR(window->layoutTwips().cmdWeb.right(), s.twips(window->width()) - 450, 1e-6);
}

TEST_F(Layout, MenuAndClockStayOnTopAndClickableAtEverySize) {
    static_cast<SessionView*>(window)->UpdateTimeElapsed(75);
    const QSize sizes[] = {QSize(600, 440), QSize(420, 300), QSize(330, 200), QSize(1152, 781)};
    for (Step step : {estIntro, estFinish}) {
        if (step == estFinish) window->controller().cmdFinish_Click();
        ASSERT_EQ(Current(), step);
        for (QSize size : sizes) {
            SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()) +
                         " step " + std::to_string(step));
            window->resize(size);
            EXPECT_EQ(OnTopAtCentreOf(Find("cmdNav")), Find("cmdNav"));
            EXPECT_EQ(OnTopAtCentreOf(Find("lblTime_New")), Find("lblTime_New"));
            EXPECT_EQ(OnTopAtCentreOf(Find("cmdNavig(1)")), Find("cmdNavig(1)"));
        }
    }
    // A click where the menu button shows, delivered as the platform does (to the widget on
    // top there), opens the menu in the small window.
    window->resize(600, 440);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      InWindow(Find("cmdNav")).center());
    auto* menu = window->findChild<QMenu*>("mnuPopUp");
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

TEST_F(Layout, TheLowerPauseButtonLeavesTheMenuAndClockFree) {
    for (int i = 0; i < 6; ++i) window->controller().Next();
    ASSERT_TRUE(Find("cmdPause_Bottom")->isVisible());
    for (QSize size : {QSize(1152, 781), QSize(600, 440), QSize(300, 200), QSize(200, 150)}) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        window->resize(size);
        EXPECT_EQ(OnTopAtCentreOf(Find("cmdNav")), Find("cmdNav"));
        EXPECT_EQ(OnTopAtCentreOf(Find("lblTime_New")), Find("lblTime_New"));
    }
    window->resize(1152, 781);
    EXPECT_EQ(OnTopAtCentreOf(Find("cmdPause_Bottom")), Find("cmdPause_Bottom"))
        << "over the middle of the status bar where there is room";
}

TEST_F(Layout, RestoringLaysOutASizeChangedWhileMinimized) {
    window->showMinimized();
    const WindowLayout minimized = window->layoutTwips();
    window->resize(700, 500);
    EXPECT_EQ(window->layoutTwips().picLeftFrame, minimized.picLeftFrame)
        << "a minimized window is not laid out";
    window->showNormal();
    ASSERT_FALSE(window->isMinimized());
    const QRect client = window->rect();
    EXPECT_EQ(InWindow(Find("picStatusBar")).bottom(), client.bottom());
    EXPECT_EQ(Find("picStatusBar")->width(), client.width());
    EXPECT_EQ(Find("picToolBar")->width(), client.width());
    const TwipScale& s = window->scale();
    EXPECT_DOUBLE_EQ(window->layoutTwips().picLeftFrame.width, s.twips(client.width()) / 2 - 45);
    EXPECT_EQ(Find("picLeftFrame")->geometry(), s.rect(window->layoutTwips().picLeftFrame));
}

TEST_F(Layout, AnotherScaleResizesControlsFontsPicturesAndMarkers) {
    for (int i = 0; i < 6; ++i) window->controller().Next();  // markers and the lower Pause show
    window->resize(1152, 781);  // the pictures at their drawn size, which doubles exactly
    const char* fixed[] = {"cmdExit",    "cmdNavig(1)", "cmdResume",
                           "radMode(3)", "radSUD(10)",  "lblSUDUnit(4)"};
    const char* fonts[] = {"lblIntro",    "lblLeftFrame", "lblSegmentTitle", "lblCurrentPoint",
                           "lblTime_New", "radMode(1)",   "lblSUDUnit(0)",   "cmdExit"};
    QMap<QString, QRect> places;
    QMap<QString, double> points;
    for (const char* name : fixed) places[name] = Find(name)->geometry();
    for (const char* name : fonts) points[name] = Find(name)->font().pointSizeF();
    const QSize client = window->size();
    const QRect marker =
        Find<MarkerPicture>("picShape")->markerRect(window->controller().CurrentDot());
    const QSize picture = Find("picShape")->size();
    const QSize pauseIcon = Find<QToolButton>("cmdPause_Bottom")->iconSize();

    window->SetLogicalDpi(192);
    EXPECT_DOUBLE_EQ(window->scale().logicalDpi(), 192);
    for (const char* name : fixed) {
        SCOPED_TRACE(name);
        const QRect before = places[name];
        EXPECT_EQ(Find(name)->geometry(), QRect(before.topLeft() * 2, before.size() * 2));
    }
    for (const char* name : fonts) {
        SCOPED_TRACE(name);
        EXPECT_DOUBLE_EQ(Find(name)->font().pointSizeF(), points[name] * 2);
    }
    EXPECT_EQ(window->size(), client * 2) << "the window keeps its size in twips";
    EXPECT_EQ(Find("picShape")->size(), picture * 2);
    EXPECT_EQ(Find<MarkerPicture>("picShape")->markerRect(window->controller().CurrentDot()),
              QRect(marker.topLeft() * 2, marker.size() * 2));
    EXPECT_EQ(Find<QToolButton>("cmdPause_Bottom")->iconSize(), pauseIcon * 2);
    // Laid out again at the new scale.
    const TwipScale& s = window->scale();
    EXPECT_EQ(Find("picToolBar")->height(), s.px(TOOLBAR_HEIGHT));
    EXPECT_EQ(Find("picStatusBar")->height(), s.px(STATUSBAR_HEIGHT));
    EXPECT_EQ(Find("picRightFrame")->geometry(), s.rect(window->layoutTwips().picRightFrame));
    EXPECT_EQ(Find("cmdPause_Bottom")->geometry(), s.rect(window->layoutTwips().cmdPause_Bottom));

    // And back: every place and size as it was.
    window->SetLogicalDpi(96);
    for (const char* name : fixed) EXPECT_EQ(Find(name)->geometry(), places[name]) << name;
    for (const char* name : fonts) {
        EXPECT_DOUBLE_EQ(Find(name)->font().pointSizeF(), points[name]) << name;
    }
    EXPECT_EQ(window->size(), client);
    EXPECT_EQ(Find<MarkerPicture>("picShape")->markerRect(window->controller().CurrentDot()),
              marker);
}

TEST_F(Layout, AScaleThatMeansNothingIsIgnored) {
    const QSize client = window->size();
    const double dpi = window->scale().logicalDpi();
    for (double nonsense : {0.0, -96.0, std::numeric_limits<double>::quiet_NaN()}) {
        window->SetLogicalDpi(nonsense);
        EXPECT_DOUBLE_EQ(window->scale().logicalDpi(), dpi);
        EXPECT_EQ(window->size(), client);
    }
}

}  // namespace
