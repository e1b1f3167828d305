// A seeded stream of random keys, clicks, resizes, minimizing and menu use: the window never
// fails, the step timer runs exactly on unpaused timed steps, and at most one marker shows.
#include <gtest/gtest.h>

#include <QMenu>
#include <QRandomGenerator>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

#include "fixtures/find_control.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/open_session_window.h"
#include "fixtures/settings_folder.h"
#include "session/session_listener.h"
#include "window/ui/frm_main.h"
#include "window/ui/frm_shortcuts.h"
#include "window/ui/layout_check.h"
#include "support/settings_store.h"

using namespace mindrova;
using mindrova::testing::Control;

namespace {

struct RandomInput : ::testing::Test {
    void SetUp() override { window = mindrova::testing::OpenSessionWindow(); }
    void TearDown() override { mindrova::testing::CloseSessionWindow(window); }

    void CheckInvariants(int action) {
        const Step step = window->controller().State().genmCurrentStep;
        const bool paused = window->controller().Paused();
        ASSERT_EQ(Control(window, "cmdResume")->isVisibleTo(window), paused)
            << "action " << action << ": Resume is shown exactly while the session is paused";
        ASSERT_EQ(Control(window, "cmdPause")->isVisibleTo(window), !paused) << "action " << action;
        const bool timed = !IsUntimedStep(step);
        ASSERT_EQ(window->stepTimer().isActive(), timed && !paused)
            << "action " << action << " step " << step << " paused " << paused;
        int markers = 0;
        for (int i = 1; i <= MARKER_COUNT; ++i) markers += window->markerShown(i) ? 1 : 0;
        ASSERT_LE(markers, 1) << "action " << action;
        if (!timed) {
            ASSERT_EQ(markers, 0) << "action " << action << " step " << step;
        }
        // The window shows the controller's marker in the controller's blink phase.
        const SessionController& controller = window->controller();
        if (controller.CurrentDot() > 0) {
            ASSERT_EQ(window->markerShown(controller.CurrentDot()),
                      controller.Blinking().gblnBlinkOn)
                << "action " << action << " step " << step;
        }
    }

    mindrova::testing::ModalRecorder modal;  // the About box answers at once
    frmMain* window = nullptr;
};

TEST_F(RandomInput, TenThousandActionsKeepTheSessionSound) {
    QRandomGenerator random(20261208);
    const int keys[] = {Qt::Key_Space,  Qt::Key_N,        Qt::Key_P,    Qt::Key_Left,
                        Qt::Key_Right,  Qt::Key_Up,       Qt::Key_Down, Qt::Key_Escape,
                        Qt::Key_A,      Qt::Key_Return,   Qt::Key_Tab,  Qt::Key_Backspace,
                        Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_F1,   Qt::Key_Shift};
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier,
                                               Qt::ControlModifier, Qt::AltModifier};
    // Everything a click may land on, but the buttons that end the program or open a browser.
    QList<QWidget*> targets = {window,
                               Control(window, "cmdNavig", 0),
                               Control(window, "cmdNavig", 1),
                               Control(window, "cmdPause"),
                               Control(window, "cmdResume"),
                               Control(window, "cmdFinish"),
                               Control(window, "cmdPause_Bottom"),
                               Control(window, "lblIntro"),
                               Control(window, "lblLeftFrame"),
                               Control(window, "lblSegmentTitle"),
                               Control(window, "picShape"),
                               Control(window, "picHandLeft"),
                               Control(window, "fraMode"),
                               Control(window, "fraSUD_2"),
                               Control(window, "lblSplit")};
    for (int i = 1; i <= ISSUE_OPTION_COUNT; ++i) targets << Control(window, "radMode", i);
    for (int i = 0; i < SUD_OPTION_COUNT; ++i) targets << Control(window, "radSUD", i);
    for (int i = 0; i < SUD_OPTION_COUNT; ++i) targets << Control(window, "lblSUDUnit", i);

    for (int action = 0; action < 10000; ++action) {
        switch (random.bounded(7)) {
            case 0:
            case 1: {
                QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window;
                QTest::keyClick(focus, Qt::Key(keys[random.bounded(int(std::size(keys)))]),
                                modifiers[random.bounded(4)]);
                break;
            }
            case 2: {
                QWidget* target = targets[random.bounded(int(targets.size()))];
                if (!target->isVisible()) break;
                const QPoint at(random.bounded(std::max(1, target->width())),
                                random.bounded(std::max(1, target->height())));
                QTest::mouseClick(target, random.bounded(5) ? Qt::LeftButton : Qt::RightButton, {},
                                  at);
                break;
            }
            case 3:
                window->resize(1 + random.bounded(2400), 1 + random.bounded(1600));
                break;
            case 4:
                if (random.bounded(2)) {
                    window->showMinimized();
                } else {
                    window->showNormal();
                }
                break;
            case 5: {
                const int which = random.bounded(3);
                if (which == 0) Control<QAction>(window, "mnuPopUpAbout")->trigger();
                if (which == 1) Control<QAction>(window, "mnuPopUpShortcuts")->trigger();
                if (which == 2) QTest::mouseClick(Control(window, "cmdNav"), Qt::LeftButton);
                window->findChild<QMenu*>("mnuPopUp")->hide();
                break;
            }
            default:
                for (int t = random.bounded(400); t > 0 && window->stepTimer().isActive(); --t) {
                    window->controller().tmrSteps_Timer();
                }
                break;
        }
        CheckInvariants(action);
        if (HasFatalFailure()) return;
    }
    EXPECT_TRUE(window->isVisible() || window->isMinimized());
    EXPECT_TRUE(modal.texts().isEmpty()) << modal.texts().join(" | ").toStdString();
}

// Sizes from the minimum to twice the screen, and scales from 1 to 2, among steps and ticks: after
// each change the step shown has every control inside the window and no text over another.
TEST_F(RandomInput, RandomSizesAndScalesKeepTheStepShownWhole) {
    QRandomGenerator random(20261211);
    const QSize screen = window->screen()->geometry().size();
    const double scales[] = {96, 120, 144, 168, 192};
    for (int action = 0; action < 600; ++action) {
        switch (random.bounded(4)) {
            case 0: {
                const QSize least = window->minimumSize();
                window->resize(random.bounded(least.width(), 2 * screen.width() + 1),
                               random.bounded(least.height(), 2 * screen.height() + 1));
                break;
            }
            case 1:
                window->SetLogicalDpi(scales[random.bounded(int(std::size(scales)))]);
                break;
            case 2:
                random.bounded(4) ? window->controller().Next() : window->controller().Previous();
                break;
            default:
                for (int t = random.bounded(300); t > 0 && window->stepTimer().isActive(); --t) {
                    window->controller().tmrSteps_Timer();
                }
                break;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QStringList problems = LayoutProblems(window);
        ASSERT_TRUE(problems.isEmpty())
            << "action " << action << " step " << window->controller().State().genmCurrentStep
            << " at " << window->width() << "x" << window->height() << ", "
            << window->scale().logicalDpi() << " dpi:\n"
            << problems.join("\n").toStdString();
    }
}

struct StepCounter : SessionListener {
    int entered = 0;
    void StepEntered(Step, const SessionState&) override { ++entered; }
};

bool OnAScreen(const QRect& frame) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry().intersects(frame)) return true;
    }
    return false;
}

// Clicks and double-clicks anywhere on the window, delivered as the platform delivers them (to
// the widget on top at that point), with resizes while minimized in between.
TEST_F(RandomInput, ClicksAnywhereMoveAtMostOneStepEach) {
    QRandomGenerator random(20261209);
    StepCounter steps;
    window->controller().AddListener(&steps);
    QWidget* exit = window->findChild<QWidget*>("cmdExit");
    QWidget* feedback = window->findChild<QWidget*>("cmdWeb");
    auto* menu = window->findChild<QMenu*>("mnuPopUp");
    for (int action = 0; action < 4000; ++action) {
        const int kind = random.bounded(10);
        if (kind < 7) {
            const QPoint at(random.bounded(std::max(1, window->width())),
                            random.bounded(std::max(1, window->height())));
            QWidget* under = window->childAt(at);
            // Exit ends the window and Feedback opens the browser: not for this test.
            if (under == exit || under == feedback) continue;
            const bool button = qobject_cast<QAbstractButton*>(under) != nullptr;
            const int before = steps.entered;
            if (kind < 5) {
                QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
                ASSERT_LE(steps.entered - before, 1) << "action " << action;
            } else {
                QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, at);
                // A button takes both clicks of a double-click; every other place one.
                ASSERT_LE(steps.entered - before, button ? 2 : 1)
                    << "action " << action << " on "
                    << (under ? qPrintable(under->objectName()) : "window");
            }
            if (menu->isVisible()) menu->hide();
        } else if (kind == 7) {
            window->showMinimized();
            window->resize(1 + random.bounded(2400), 1 + random.bounded(1600));
            window->showNormal();
            const QWidget* status = window->findChild<QWidget*>("picStatusBar");
            ASSERT_EQ(status->geometry().bottom(), window->rect().bottom()) << "action " << action;
            ASSERT_EQ(status->width(), window->width()) << "action " << action;
        } else {
            for (int t = random.bounded(300); t > 0 && window->stepTimer().isActive(); --t) {
                window->controller().tmrSteps_Timer();
            }
        }
        CheckInvariants(action);
        if (HasFatalFailure()) return;
        ASSERT_TRUE(OnAScreen(window->frameGeometry())) << "action " << action;
    }
    window->controller().RemoveListener(&steps);
    EXPECT_TRUE(modal.texts().isEmpty()) << modal.texts().join(" | ").toStdString();
}

// Saved places off every screen, partly on one, absurdly large or nonsense: the window always
// opens on a screen and works.
TEST(RandomSavedPosition, TheWindowAlwaysOpensOnAScreen) {
    mindrova::testing::Application();
    mindrova::testing::SettingsFolder folder;
    mindrova::testing::ModalRecorder modal;
    QRandomGenerator random(20261210);
    const qint32 extremes[] = {
        std::numeric_limits<qint32>::min(), -2000000000, -90000, -1, 0, 1, 15, 90000, 2000000000,
        std::numeric_limits<qint32>::max()};
    const auto value = [&] {
        return random.bounded(3) == 0 ? extremes[random.bounded(int(std::size(extremes)))]
                                      : qint32(random.bounded(-60000, 60000));
    };
    for (int run = 0; run < 60; ++run) {
        const qint32 saved[] = {value(), value(), value(), value(), qint32(random.bounded(4))};
        const char* names[] = {"Left", "Top", "Width", "Height", "State"};
        for (int i = 0; i < 5; ++i) {
            SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER,
                           QString(PROGRAM_KEY) + WINDOW_POSITION_SUBKEY, names[i], saved[i]);
        }
        SCOPED_TRACE(::testing::Message()
                     << "run " << run << ": " << saved[0] << ", " << saved[1] << ", " << saved[2]
                     << " x " << saved[3] << ", state " << saved[4]);
        auto* w = new frmMain;
        w->show();
        EXPECT_TRUE(OnAScreen(w->frameGeometry()));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(w, &activate);
        w->controller().Next();
        EXPECT_EQ(w->controller().State().genmCurrentStep, estSelectIssue);
        delete w;  // closing would save this place over the next run's
    }
    EXPECT_TRUE(modal.texts().isEmpty()) << modal.texts().join(" | ").toStdString();
}

}  // namespace
