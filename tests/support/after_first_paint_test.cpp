// Work that waits for a window's first paint: it runs after that paint, once, and never for a
// window that went first.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "fixtures/qt_application.h"
#include "support/ui/after_first_paint.h"

namespace mindrova {
namespace {

class PaintedWindow : public QWidget {
public:
    explicit PaintedWindow(QStringList& heard) : mHeard(heard) { resize(200, 100); }

protected:
    void paintEvent(QPaintEvent* /*event*/) override { mHeard << QStringLiteral("paint"); }

private:
    QStringList& mHeard;
};

// Runs the event loop's pending work a bounded number of times, never waiting on the clock.
void RunPendingEvents() {
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
}

TEST(AfterFirstPaint, RunsOnceAfterThePaintThatAnswersTheFirstExpose) {
    testing::Application();
    QStringList heard;
    PaintedWindow window(heard);
    AfterFirstPaint(window, [&heard] { heard << QStringLiteral("work"); });
    RunPendingEvents();
    EXPECT_TRUE(heard.isEmpty()) << "nothing runs before the window shows";

    window.show();
    RunPendingEvents();
    ASSERT_FALSE(heard.isEmpty());
    EXPECT_EQ(heard.first(), QStringLiteral("paint"));
    EXPECT_EQ(heard.count(QStringLiteral("work")), 1);
    EXPECT_LT(heard.indexOf(QStringLiteral("paint")), heard.indexOf(QStringLiteral("work")));

    window.update();
    window.hide();
    window.show();
    RunPendingEvents();
    EXPECT_EQ(heard.count(QStringLiteral("work")), 1) << "the work runs once";
}

TEST(AfterFirstPaint, AWindowAlreadyShowingRunsItOnTheNextTurnOfTheLoop) {
    testing::Application();
    QStringList heard;
    PaintedWindow window(heard);
    window.show();
    RunPendingEvents();
    heard.clear();
    AfterFirstPaint(window, [&heard] { heard << QStringLiteral("work"); });
    EXPECT_TRUE(heard.isEmpty()) << "queued, not run inside the call";
    RunPendingEvents();
    EXPECT_EQ(heard, QStringList({"work"}));
}

TEST(AfterFirstPaint, NothingRunsForAWindowThatWentFirst) {
    testing::Application();
    QStringList heard;
    auto* window = new PaintedWindow(heard);
    AfterFirstPaint(*window, [&heard] { heard << QStringLiteral("work"); });
    window->show();
    delete window;
    RunPendingEvents();
    EXPECT_FALSE(heard.contains(QStringLiteral("work")));
}

}  // namespace
}  // namespace mindrova
