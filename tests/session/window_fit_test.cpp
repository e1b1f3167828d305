#include "session/window_fit.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace mindrova {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(MinimumSize, IsWhatTheWidestAndTallestStepsNeed) {
    const TwipSize least = MinimumClientSize();
    // The issue options end 6765 twips into a frame at the panel's left edge; the panel shows
    // half the window less 45.
    EXPECT_DOUBLE_EQ(least.width, 13620);
    // The closing text's box (6195) centred, with 120 + 495 for the rating line and the
    // status bar (465) under it on both halves.
    EXPECT_DOUBLE_EQ(least.height, 8355);
    // Ten options, the caption, the field and the row of own sessions (4875 of controls) with
    // half their gaps (3615).
    EXPECT_DOUBLE_EQ(MinimumIssueListHeight(), 4875 + 3615 / 2.0);
    EXPECT_LE(TOOLBAR_HEIGHT + STATUSBAR_HEIGHT + 510 + MinimumIssueListHeight(), least.height);
}

TEST(MinimumSize, ArrangesEveryControlInsideTheClientArea) {
    const TwipSize least = MinimumClientSize();
    WindowLayout l = InitialLayout();
    ArrangeControlsToFit(l, least.width, least.height);
    const double panelBottom = l.picRightFrame.bottom();
    const double shownRight = least.width - l.picRightFrame.left;  // the panel runs past the client
    EXPECT_LE(l.picShape.left + l.picShape.width, shownRight);
    EXPECT_LE(l.lblCurrentPoint.bottom(), l.picRightFrame.height) << "caption inside the panel";
    EXPECT_LE(l.picHandRight.right(), shownRight);
    EXPECT_GE(l.picHandLeft.left, 0);
    EXPECT_LE(l.picHandLeft.right(), l.picHandRight.left);
    EXPECT_LE(l.lblIntro.right(), least.width);
    EXPECT_GE(l.lblIntro.top, TOOLBAR_HEIGHT);
    EXPECT_LE(l.lblIntro.bottom() + RATING_CHANGE_GAP + RATING_LINE_HEIGHT,
              least.height - STATUSBAR_HEIGHT);
    EXPECT_LE(l.cmdWeb.right(), least.width);
    EXPECT_GE(l.cmdPause_Bottom.top, panelBottom);
    EXPECT_DOUBLE_EQ(l.cmdPause_Bottom.bottom(), least.height - STATUSBAR_HEIGHT);
    EXPECT_LE(l.cmdPause_Bottom.right(), l.lblTime_New.left);
}

TEST(PictureScales, StayWholeWhereTheWindowHasRoom) {
    EXPECT_EQ(PictureScalesFor(DESIGN_CLIENT_WIDTH, DESIGN_CLIENT_HEIGHT + 720),
              (PictureScales{1, 1}));
    const PictureScales least =
        PictureScalesFor(MinimumClientSize().width, MinimumClientSize().height);
    EXPECT_LT(least.body, 1);
    EXPECT_GT(least.body, 0.5);
    EXPECT_LT(least.hands, 1);
    for (double nonsense : {kNaN, -1.0, 0.0}) {
        const PictureScales s = PictureScalesFor(nonsense, nonsense);
        EXPECT_TRUE(s.body >= 0.25 && s.body <= 1) << nonsense;
        EXPECT_TRUE(s.hands >= 0.25 && s.hands <= 1) << nonsense;
    }
}

// Large windows keep the design's places; only the lower Pause button leaves the status bar.
TEST(ArrangeToFit, IsTheDesignWhereTheWindowHasRoom) {
    for (const auto& size : {std::pair{17280.0, 11715.0}, std::pair{28800.0, 16200.0}}) {
        SCOPED_TRACE(std::to_string(size.first) + " x " + std::to_string(size.second));
        WindowLayout fit = InitialLayout();
        WindowLayout design = InitialLayout();
        ArrangeControlsToFit(fit, size.first, size.second);
        ArrangeControls(design, size.first, size.second);
        design.cmdPause_Bottom = LowerPausePlace(size.first, size.second);
        EXPECT_EQ(fit.picShape, design.picShape);
        EXPECT_EQ(fit.lblCurrentPoint, design.lblCurrentPoint);
        EXPECT_EQ(fit.picHandLeft, design.picHandLeft);
        EXPECT_EQ(fit.picHandRight, design.picHandRight);
        EXPECT_EQ(fit.picLeftFrame, design.picLeftFrame);
        EXPECT_EQ(fit.lblLeftFrame, design.lblLeftFrame);
        EXPECT_EQ(fit.cmdPause_Bottom, design.cmdPause_Bottom);
    }
}

// 1366 x 768 maximized under a window manager: the point's caption ran 142 twips past the panel.
TEST(ArrangeToFit, LiftsThePictureSoThatItsCaptionShowsWhole) {
    WindowLayout l = InitialLayout();
    ArrangeControlsToFit(l, 1366 * 15, 747 * 15);
    EXPECT_DOUBLE_EQ(l.picShape.height, 8535) << "room for the picture itself";
    EXPECT_DOUBLE_EQ(l.lblCurrentPoint.bottom(), l.picRightFrame.height);
    EXPECT_DOUBLE_EQ(l.lblCurrentPoint.top, l.picShape.bottom() + 150);
    EXPECT_DOUBLE_EQ(l.cmdPause_Bottom.bottom(), 747 * 15 - STATUSBAR_HEIGHT);
}

// Larger text: the texts take the chosen share; the option frames as far as the right panel
// holds them, their rows and units grown alike; unusable shares change nothing.
TEST(TextScales, GrowTheOptionFramesOnlyAsFarAsThePanelHoldsThem) {
    const struct {
        const char* name;
        int percent;
        double width;
        double height;
        TextScales expected;
    } cases[] = {
        {"as drawn", 100, 1366 * 15, 741 * 15, {1, 1, 1}},
        {"out of range", 250, 1366 * 15, 741 * 15, {1, 1, 1}},
        {"below range", 50, 1366 * 15, 741 * 15, {1, 1, 1}},
        {"a little larger on a large screen", 120, 1920 * 15, 1053 * 15, {1.2, 1.2, 1.2}},
        {"largest at the minimum size", 200, 13620, 8355, {2, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TextScalesFor(c.percent, c.width, c.height), c.expected);
    }
    // On a 1366 x 768 laptop the frames grow about half as much again, and fit.
    const double w = 1366 * 15;
    const double h = 741 * 15;
    const TextScales laptop = TextScalesFor(200, w, h);
    EXPECT_DOUBLE_EQ(laptop.text, 2);
    EXPECT_GT(laptop.issues, 1.4);
    EXPECT_GT(laptop.sud, 1.4);
    WindowLayout l = InitialLayout();
    ArrangeControlsToFit(l, w, h, laptop);
    const double shownRight = w - l.picRightFrame.left;
    EXPECT_LE(l.fraSUD_2.right(), shownRight);
    EXPECT_LE((ISSUE_ROW_LEFT + ISSUE_ROW_WIDTH) * laptop.issues + l.fraMode.left, shownRight);
    EXPECT_LE(MinimumIssueListHeight() * laptop.issues, l.picRightFrame.height - l.fraMode.top);
    EXPECT_DOUBLE_EQ(l.lblCurrentPoint.height, 2 * 495);
    EXPECT_LE(l.lblCurrentPoint.bottom(), l.picRightFrame.height) << "the taller caption shows";
}

struct ClosingUp {
    const char* name;
    std::vector<Row> rows;
    double available;
    std::vector<double> tops;
    friend void PrintTo(const ClosingUp& row, std::ostream* out) { *out << row.name; }
};

class ClosedUp : public ::testing::TestWithParam<ClosingUp> {};

TEST_P(ClosedUp, ShrinksOnlyTheGaps) {
    EXPECT_EQ(ClosedUpTops(GetParam().rows, GetParam().available), GetParam().tops);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClosedUp,
    ::testing::Values(
        ClosingUp{"room_enough", {{100, 50}, {200, 50}}, 250, {100, 200}},
        ClosingUp{"more_than_enough", {{100, 50}, {200, 50}}, 9000, {100, 200}},
        // 100 of controls, 150 of gaps into 175: half the gaps go.
        ClosingUp{"half_the_gaps", {{100, 50}, {200, 50}}, 175, {50, 125}},
        ClosingUp{"never_below_half", {{100, 50}, {200, 50}}, 10, {50, 125}},
        ClosingUp{"any_order", {{200, 50}, {100, 50}}, 175, {125, 50}},
        ClosingUp{"overlap_kept", {{100, 50}, {120, 50}, {300, 10}}, 195, {50, 70, 185}},
        ClosingUp{"nothing", {}, 10, {}},
        ClosingUp{"nan_room_moves_nothing", {{100, 50}}, kNaN, {100}}),
    [](const auto& info) { return std::string(info.param.name); });

struct Fitting {
    const char* name;
    TwipRect outer;
    TwipRect area;
    TwipRect expected;
    friend void PrintTo(const Fitting& row, std::ostream* out) { *out << row.name; }
};

class FitInto : public ::testing::TestWithParam<Fitting> {};

TEST_P(FitInto, ShrinksAndCentresOnlyWhatDoesNotFit) {
    EXPECT_EQ(FitIntoArea(GetParam().outer, GetParam().area), GetParam().expected);
}

// The opening size, 17276.7 x 11710.65, on the common screens (twips, no panels).
INSTANTIATE_TEST_SUITE_P(
    Screens, FitInto,
    ::testing::Values(
        Fitting{"fits_1920x1080", {5000, 3000, 17276.7, 11710.65}, {0, 0, 28800, 16200},
                {5000, 3000, 17276.7, 11710.65}},
        Fitting{"too_low_1366x768", {1500, 120, 17276.7, 11710.65}, {0, 0, 20490, 11520},
                {1607, 0, 17276.7, 11520}},
        Fitting{"too_small_1024x600", {0, 0, 17276.7, 11710.65}, {0, 0, 15360, 9000},
                {0, 0, 15360, 9000}},
        Fitting{"panel_on_top_1280x720", {900, 400, 17276.7, 11710.65}, {0, 450, 19200, 10350},
                {962, 450, 17276.7, 10350}},
        Fitting{"saved_larger_than_screen", {-300, -300, 90000, 90000}, {0, 0, 20490, 11520},
                {0, 0, 20490, 11520}},
        Fitting{"no_screen_known", {1, 2, 3, 4}, {0, 0, 0, 0}, {1, 2, 3, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mindrova
