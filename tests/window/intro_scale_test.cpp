// Larger text takes the intro and the closing exercise to the whole scale, on lines of about
// seventy characters, scrolling in whole lines where the window cannot hold them; at the usual
// size they stand as designed.
#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

#include "fixtures/find_control.h"
#include "fixtures/session_window_test.h"
#include "fixtures/settings_folder.h"
#include "window/window_fit.h"

using namespace mindrova;
using mindrova::testing::Control;

namespace {

struct IntroRow {
    const char* name;
    Step step;
    QSize client;
    int textScale;
    bool scrolls;
    friend void PrintTo(const IntroRow& row, std::ostream* out) { *out << row.name; }
};

class IntroScale : public mindrova::testing::SessionWindowTest,
                   public ::testing::WithParamInterface<IntroRow> {
protected:
    mindrova::testing::SettingsFolder folder;
};

TEST_P(IntroScale, TakesTheWholeScaleOnComfortableLines) {
    const IntroRow& row = GetParam();
    window->resize(row.client);
    window->SetTextScalePercent(row.textScale);
    if (row.step == estFinish) window->controller().cmdFinish_Click();
    ASSERT_EQ(window->controller().State().genmCurrentStep, row.step);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    auto* text = Control<QLabel>(window, "lblIntro");
    auto* area = Control<QScrollArea>(window, "scrIntro");
    ASSERT_TRUE(text->isVisibleTo(window));
    EXPECT_DOUBLE_EQ(text->font().pointSizeF(), 14.25 * row.textScale / 100.0)
        << "the whole scale, as the step texts have it";
    const QFontMetrics metrics(text->font());
    const double characters = double(text->width()) / metrics.averageCharWidth();
    if (row.textScale > 100) {
        EXPECT_LE(characters, 72) << "no longer than a comfortable line";
        EXPECT_GE(characters, 35) << "not squeezed either";
        // In the middle of the window.
        const int left = area->x();
        const int right = window->width() - area->geometry().right() - 1;
        EXPECT_NEAR(left, right, 2);
    } else {
        EXPECT_EQ(area->geometry().x(), window->scale().rect(window->layoutTwips().lblIntro).x())
            << "where the design puts it";
        EXPECT_EQ(area->width(), window->scale().px(window->layoutTwips().lblIntro.width));
    }
    const QWidget* status = Control(window, "picStatusBar");
    EXPECT_LE(area->geometry().bottom(), status->geometry().top()) << "above the status bar";
    const bool scrolls = text->heightForWidth(area->viewport()->width()) > area->height();
    EXPECT_EQ(scrolls, row.scrolls);
    EXPECT_EQ(area->verticalScrollBar()->isVisibleTo(window), scrolls);
    if (scrolls) {
        EXPECT_EQ(area->height() % metrics.lineSpacing(), 0) << "whole lines";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IntroScale,
    ::testing::Values(
        IntroRow{"IntroAsDrawn", estIntro, QSize(1152, 733), 100, false},
        IntroRow{"ClosingAsDrawn", estFinish, QSize(1152, 733), 100, false},
        IntroRow{"IntroTwiceOnAWideScreen", estIntro, QSize(1920, 1000), 200, false},
        IntroRow{"IntroTwiceOnALaptop", estIntro, QSize(1366, 700), 200, true},
        IntroRow{"ClosingTwiceOnASmallScreen", estFinish, QSize(1024, 540), 200, true},
        IntroRow{"IntroAndAHalfOnAWideScreen", estIntro, QSize(1920, 1000), 150, false}),
    [](const ::testing::TestParamInfo<IntroRow>& info) { return std::string(info.param.name); });

}  // namespace
