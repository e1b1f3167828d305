// The session window on a 1366 x 768 screen, too low for its opening size (781 px with its
// frame): it opens as high as the screen, centred, and every step still shows whole.
#include <gtest/gtest.h>

#include <QScreen>
#include <QTemporaryDir>

#include "display/display_settings.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/open_session_window.h"
#include "fixtures/settings_folder.h"
#include "fixtures/visit_session_steps.h"
#include "window/ui/frm_main.h"
#include "window/ui/layout_check.h"
#include "support/settings_store.h"

using namespace mindrova;

namespace {

class SmallScreen : public ::testing::Test {
protected:
    void SetUp() override { mindrova::testing::Application(); }

    static void Save(qint32 left, qint32 top, qint32 width, qint32 height, qint32 state) {
        const char* names[] = {"Left", "Top", "Width", "Height", "State"};
        const qint32 values[] = {left, top, width, height, state};
        for (int i = 0; i < 5; ++i) {
            SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER,
                           QString(PROGRAM_KEY) + WINDOW_POSITION_SUBKEY, names[i], values[i]);
        }
    }

    mindrova::testing::SettingsFolder folder;
    mindrova::testing::ModalRecorder modal;
};

TEST_F(SmallScreen, TheOpeningSizeShrinksToTheScreenAndIsCentred) {
    const struct {
        const char* name;
        bool saved;
    } cases[] = {{"first start", false}, {"saved larger than the screen", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.saved) Save(-3000, -3000, 90000, 90000, 0);
        frmMain* window = mindrova::testing::OpenSessionWindow();
        const QRect area = window->screen()->availableGeometry();
        const TwipScale& s = window->scale();
        ASSERT_EQ(area.size(), QSize(1366, 768));
        const QRect frame = window->frameGeometry();
        EXPECT_EQ(frame.height(), area.height()) << "as high as the screen allows";
        EXPECT_EQ(frame.top(), area.top());
        EXPECT_EQ(frame.width(), s.px(OPENING_OUTER_WIDTH)) << "the width that fits is kept";
        EXPECT_NEAR(frame.left(), area.left() + (area.width() - frame.width()) / 2.0, 1);
        EXPECT_TRUE(area.contains(frame));
        // The status bar, the clock and the menu button are on the screen, every step whole.
        for (int i = 0; i < 8; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            const QStringList problems = LayoutProblems(window, window->screen()->geometry());
            EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
            window->controller().Next();
        }
        delete window;
    }
}

// Text at its largest on this screen: every step shows whole, nothing over another, and the
// texts have grown (the issue list and the SUD scale as far as the right panel holds them).
TEST_F(SmallScreen, EveryStepShowsWholeAtTheLargestText) {
    ASSERT_TRUE(SaveTextScale(TEXT_SCALE_MAX));
    frmMain* window = mindrova::testing::OpenSessionWindow();
    ASSERT_EQ(window->TextScalePercent(), TEXT_SCALE_MAX);
    const auto pointSize = [window](const char* name) {
        return window->findChild<QWidget*>(QLatin1String(name))->font().pointSizeF();
    };
    EXPECT_DOUBLE_EQ(pointSize("lblSegmentTitle"), 2 * 14.25);
    EXPECT_DOUBLE_EQ(pointSize("lblCurrentPoint"), 2 * 12.0);
    EXPECT_GT(pointSize("radMode(1)"), 1.2 * 14.25);
    EXPECT_GT(pointSize("lblSUDUnit(10)"), 1.2 * 14.25);
    int visited = 0;
    mindrova::testing::VisitEverySessionStep(window, [window, &visited] {
        ++visited;
        SCOPED_TRACE("step " + std::to_string(window->controller().State().genmCurrentStep));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QStringList problems = LayoutProblems(window, window->screen()->geometry());
        EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
    });
    EXPECT_GT(visited, 40) << "every point of a round in both polarities";
    delete window;
}

// Restored from maximized, the window takes the opening size as far as the screen holds it.
TEST_F(SmallScreen, AWindowRestoredFromMaximizedFitsTheScreen) {
    Save(0, 0, 17280, 11715, 2);
    frmMain* window = mindrova::testing::OpenSessionWindow();
    ASSERT_TRUE(window->isMaximized());
    window->showNormal();
    QCoreApplication::processEvents();
    const QRect area = window->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window->frameGeometry()))
        << window->frameGeometry().height() << " px high on a " << area.height() << " px screen";
    delete window;
}

// The screen's area changes while the window is open (another resolution, a panel added): a
// window it no longer holds is fitted to it again; one that it holds, or a maximized one, stays.
TEST_F(SmallScreen, AWindowTheChangedScreenNoLongerHoldsIsFittedAgain) {
    frmMain* window = mindrova::testing::OpenSessionWindow();
    QScreen* screen = window->screen();
    const QRect area = screen->availableGeometry();
    const QRect fitting = window->frameGeometry();
    ASSERT_TRUE(area.contains(fitting));
    emit screen->availableGeometryChanged(area);
    EXPECT_EQ(window->frameGeometry(), fitting) << "a window the screen holds stays";

    // As if the screen had shrunk under a window of its former size.
    window->setGeometry(QRect(area.topLeft() + QPoint(300, 200), QSize(1600, 1000)));
    ASSERT_FALSE(area.contains(window->frameGeometry()));
    emit screen->availableGeometryChanged(area);
    EXPECT_TRUE(area.contains(window->frameGeometry()))
        << window->frameGeometry().width() << "x" << window->frameGeometry().height() << "+"
        << window->frameGeometry().x() << "+" << window->frameGeometry().y();

    window->setWindowState(Qt::WindowMaximized);
    const QRect maximized = window->geometry();
    emit screen->availableGeometryChanged(area);
    EXPECT_EQ(window->geometry(), maximized) << "a maximized window is the platform's to size";
    delete window;
}

}  // namespace
