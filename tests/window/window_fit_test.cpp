#include "window/window_fit.h"

#include <gtest/gtest.h>

#include <QString>

#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace mindrova {
void PrintTo(const TwipRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}
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

struct BelowCaptionRow {
    const char* name;
    double width;
    double height;
    double textShare;
    double below;
    friend void PrintTo(const BelowCaptionRow& row, std::ostream* out) { *out << row.name; }
};

class RoomBelowCaption : public ::testing::TestWithParam<BelowCaptionRow> {};

// Room kept under the point's caption (a line that follows the round): the caption and that room
// end inside the panel, the caption right under the picture; without it nothing moves.
TEST_P(RoomBelowCaption, StaysInsideThePanel) {
    const BelowCaptionRow& row = GetParam();
    TextScales text;
    text.text = row.textShare;
    WindowLayout with = InitialLayout();
    WindowLayout without = InitialLayout();
    ArrangeControlsToFit(with, row.width, row.height, text, row.below);
    ArrangeControlsToFit(without, row.width, row.height, text);
    EXPECT_LE(with.lblCurrentPoint.bottom() + row.below, with.picRightFrame.height + 1e-6);
    EXPECT_DOUBLE_EQ(with.lblCurrentPoint.top, with.picShape.bottom() + 150);
    EXPECT_LE(with.picShape.height, without.picShape.height);
    EXPECT_EQ(PictureScalesFor(row.width, row.height, row.textShare, 0),
              PictureScalesFor(row.width, row.height, row.textShare));
    WindowLayout none = InitialLayout();
    ArrangeControlsToFit(none, row.width, row.height, text, 0);
    EXPECT_EQ(none.picShape, without.picShape) << "no room asked, the layout as before";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RoomBelowCaption,
    ::testing::Values(BelowCaptionRow{"Laptop", 1366 * 15, 700 * 15, 1, 360},
                      BelowCaptionRow{"SmallScreen", 1024 * 15, 540 * 15, 1, 360},
                      BelowCaptionRow{"SmallScreenLargestText", 1024 * 15, 540 * 15, 2, 720},
                      BelowCaptionRow{"Designed", 17280, 11715, 1, 360}),
    [](const ::testing::TestParamInfo<BelowCaptionRow>& info) {
        return std::string(info.param.name);
    });

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
    ::testing::Values(ClosingUp{"room_enough", {{100, 50}, {200, 50}}, 250, {100, 200}},
                      ClosingUp{"more_than_enough", {{100, 50}, {200, 50}}, 9000, {100, 200}},
                      // 100 of controls, 150 of gaps into 175: half the gaps go.
                      ClosingUp{"half_the_gaps", {{100, 50}, {200, 50}}, 175, {50, 125}},
                      ClosingUp{"never_below_half", {{100, 50}, {200, 50}}, 10, {50, 125}},
                      ClosingUp{"any_order", {{200, 50}, {100, 50}}, 175, {125, 50}},
                      ClosingUp{
                          "overlap_kept", {{100, 50}, {120, 50}, {300, 10}}, 195, {50, 70, 185}},
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
    ::testing::Values(Fitting{"fits_1920x1080",
                              {5000, 3000, 17276.7, 11710.65},
                              {0, 0, 28800, 16200},
                              {5000, 3000, 17276.7, 11710.65}},
                      Fitting{"too_low_1366x768",
                              {1500, 120, 17276.7, 11710.65},
                              {0, 0, 20490, 11520},
                              {1607, 0, 17276.7, 11520}},
                      Fitting{"too_small_1024x600",
                              {0, 0, 17276.7, 11710.65},
                              {0, 0, 15360, 9000},
                              {0, 0, 15360, 9000}},
                      Fitting{"panel_on_top_1280x720",
                              {900, 400, 17276.7, 11710.65},
                              {0, 450, 19200, 10350},
                              {962, 450, 17276.7, 10350}},
                      Fitting{"saved_larger_than_screen",
                              {-300, -300, 90000, 90000},
                              {0, 0, 20490, 11520},
                              {0, 0, 20490, 11520}},
                      Fitting{"no_screen_known", {1, 2, 3, 4}, {0, 0, 0, 0}, {1, 2, 3, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

// Where the usable area cannot hold the window's smallest size, the window keeps that size within
// the whole available area: the panels' room gives way, never the window's foot.
struct OpeningCase {
    const char* name;
    TwipRect usable;
    TwipRect available;
    TwipSize least;
    TwipRect expected;
    friend void PrintTo(const OpeningCase& c, std::ostream* os) { *os << c.name; }
};

class Opening : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(Opening, KeepsTheSmallestSizeOnTheScreen) {
    const OpeningCase& c = GetParam();
    EXPECT_EQ(OpeningPlace({3000, 3000, OPENING_OUTER_WIDTH, OPENING_OUTER_HEIGHT}, c.usable,
                           c.available, c.least),
              c.expected);
}

constexpr TwipSize kLeast{13620, 8355};  // the smallest client, no frame

INSTANTIATE_TEST_SUITE_P(
    Screens, Opening,
    ::testing::Values(
        // 1366 x 768 with the panels' room: the usable area holds the smallest size.
        OpeningCase{"fits_usable",
                    {0, 480, 20490, 10560},
                    {0, 0, 20490, 11520},
                    kLeast,
                    {1607, 480, OPENING_OUTER_WIDTH, 10560}},
        // 908 x 557 without a work area: 493 px usable, 557 needed: the whole screen.
        OpeningCase{"smallest_screen",
                    {0, 480, 13620, 7395},
                    {0, 0, 13620, 8355},
                    kLeast,
                    {0, 0, 13620, 8355}},
        // 1024 x 600: 536 px usable, 557 needed: as high up as the foot needs.
        OpeningCase{
            "1024x600", {0, 480, 15360, 8040}, {0, 0, 15360, 9000}, kLeast, {0, 480, 15360, 8355}},
        // Smaller than the smallest size: the top-left corner stays on the screen.
        OpeningCase{
            "800x480", {0, 480, 12000, 6240}, {0, 0, 12000, 7200}, kLeast, {0, 0, 13620, 8355}},
        OpeningCase{"no_screen", {}, {}, kLeast, {3000, 3000, 17276.7, 11710.65}}),
    [](const auto& info) { return std::string(info.param.name); });

// The issue rows (the own-words field and "Manage..." the widest) keep the left panel's margin of
// 300 twips from the window's right edge, at every size and text scale; at the design size the
// frame stays where ArrangeControls centres it.
struct MarginCase {
    const char* name;
    double width;
    double height;
    int percent;
    friend void PrintTo(const MarginCase& c, std::ostream* os) { *os << c.name; }
};

class RightMargin : public ::testing::TestWithParam<MarginCase> {};

TEST_P(RightMargin, TheIssueRowsKeepTheLeftMarginOnTheRight) {
    const MarginCase& c = GetParam();
    const TextScales text = TextScalesFor(c.percent, c.width, c.height);
    WindowLayout l = InitialLayout();
    l.fraMode.width *= text.issues;
    l.fraMode.height *= text.issues;
    ArrangeControlsToFit(l, c.width, c.height, text);
    const double rowsLeft = l.picRightFrame.left + l.fraMode.left + ISSUE_ROW_LEFT * text.issues;
    const double rowsRight = rowsLeft + ISSUE_ROW_WIDTH * text.issues;
    EXPECT_LE(rowsRight, c.width - 300 + 1) << "rows end at " << rowsRight;
    EXPECT_GE(rowsLeft, l.picRightFrame.left + 300 - 1) << "rows start at " << rowsLeft;
    WindowLayout centred = InitialLayout();
    centred.fraMode = l.fraMode;
    ArrangeControls(centred, c.width, c.height);
    if (centred.fraMode.left + (ISSUE_ROW_LEFT + ISSUE_ROW_WIDTH) * text.issues <=
        c.width / 2 - 45 - 300) {
        EXPECT_DOUBLE_EQ(l.fraMode.left, centred.fraMode.left) << "room enough: centred";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, RightMargin,
    ::testing::Values(MarginCase{"smallest", 13620, 8355, 100},
                      MarginCase{"smallest_text_150", 13620, 8355, 150},
                      MarginCase{"smallest_text_200", 13620, 8355, 200},
                      MarginCase{"a_little_wider", 14000, 8355, 100},
                      MarginCase{"1024x600", 15360, 8040, 100},
                      MarginCase{"1024x600_text_200", 15360, 8040, 200},
                      MarginCase{"design", DESIGN_CLIENT_WIDTH, DESIGN_CLIENT_HEIGHT, 100},
                      MarginCase{"design_text_200", DESIGN_CLIENT_WIDTH, DESIGN_CLIENT_HEIGHT, 200},
                      MarginCase{"full_hd_text_200", 28800, 15240, 200}),
    [](const auto& info) { return std::string(info.param.name); });

// The opening size fitted into what a window may fill, by screen, available area and platform
// (pixels at 96 dpi as twips, 15 a pixel).
struct UsableCase {
    const char* name;
    TwipRect screen;
    TwipRect available;
    const char* platform;
    TwipRect usable;
    TwipSize opening;  // the outer size the window opens at
    friend void PrintTo(const UsableCase& c, std::ostream* os) { *os << c.name; }
};

class Usable : public ::testing::TestWithParam<UsableCase> {};

TEST_P(Usable, LeavesThePanelsTheirRoomWhereThePlatformHidesThem) {
    const UsableCase& c = GetParam();
    const TwipRect usable = UsableArea(c.screen, c.available, QString::fromLatin1(c.platform));
    EXPECT_EQ(usable, c.usable);
    const TwipRect fitted = FitIntoArea({0, 0, OPENING_OUTER_WIDTH, OPENING_OUTER_HEIGHT}, usable);
    EXPECT_EQ((TwipSize{fitted.width, fitted.height}), c.opening);
    if (c.available.height > 0) {
        EXPECT_GE(fitted.top, c.available.top);
        EXPECT_LE(fitted.bottom(), c.available.bottom());
    }
}

constexpr TwipRect k1366x768{0, 0, 20490, 11520};
constexpr TwipRect k1920x1080{0, 0, 28800, 16200};
constexpr TwipRect k1024x600{0, 0, 15360, 9000};
// 2732 x 1536 at scale 2: 1366 x 768 logical pixels, as Qt gives them.
constexpr TwipRect kRightOf1920{28800, 0, 20490, 11520};
constexpr TwipSize kOpening{OPENING_OUTER_WIDTH, OPENING_OUTER_HEIGHT};

INSTANTIATE_TEST_SUITE_P(
    Screens, Usable,
    ::testing::Values(
        // Wayland gives the whole output: 64 px less, half above and half below.
        UsableCase{"wayland_1366x768",
                   k1366x768,
                   k1366x768,
                   "wayland",
                   {0, 480, 20490, 10560},
                   {OPENING_OUTER_WIDTH, 10560}},
        UsableCase{"wayland_egl_1366x768",
                   k1366x768,
                   k1366x768,
                   "wayland-egl",
                   {0, 480, 20490, 10560},
                   {OPENING_OUTER_WIDTH, 10560}},
        UsableCase{"wayland_1920x1080_fits",
                   k1920x1080,
                   k1920x1080,
                   "wayland",
                   {0, 480, 28800, 15240},
                   kOpening},
        UsableCase{"wayland_1024x600",
                   k1024x600,
                   k1024x600,
                   "wayland",
                   {0, 480, 15360, 8040},
                   {15360, 8040}},
        UsableCase{"wayland_second_screen",
                   kRightOf1920,
                   kRightOf1920,
                   "wayland",
                   {28800, 480, 20490, 10560},
                   {OPENING_OUTER_WIDTH, 10560}},
        // A work area that Wayland does give (a panel of 40 px at the top) keeps its panel and
        // the room below.
        UsableCase{"wayland_with_a_work_area",
                   k1366x768,
                   {0, 600, 20490, 10920},
                   "wayland",
                   {0, 600, 20490, 10440},
                   {OPENING_OUTER_WIDTH, 10440}},
        // X11 without a work area: the same room.
        UsableCase{"xcb_no_work_area_1366x768",
                   k1366x768,
                   k1366x768,
                   "xcb",
                   {0, 480, 20490, 10560},
                   {OPENING_OUTER_WIDTH, 10560}},
        // X11 with a work area (a 27 px panel at the top): exactly as the window manager says.
        UsableCase{"xcb_work_area_1366x768",
                   k1366x768,
                   {0, 405, 20490, 11115},
                   "xcb",
                   {0, 405, 20490, 11115},
                   {OPENING_OUTER_WIDTH, 11115}},
        UsableCase{"xcb_work_area_1920x1080",
                   k1920x1080,
                   {0, 0, 28800, 15600},
                   "xcb",
                   {0, 0, 28800, 15600},
                   kOpening},
        // No desktop, no panels.
        UsableCase{"offscreen_1366x768",
                   k1366x768,
                   k1366x768,
                   "offscreen",
                   k1366x768,
                   {OPENING_OUTER_WIDTH, 11520}},
        UsableCase{"minimal_1024x600", k1024x600, k1024x600, "minimal", k1024x600, {15360, 9000}},
        // A screen too low for the panels' room keeps half of itself.
        UsableCase{"wayland_tiny",
                   {0, 0, 3000, 1200},
                   {0, 0, 3000, 1200},
                   "wayland",
                   {0, 300, 3000, 600},
                   {3000, 600}},
        UsableCase{
            "wayland_empty_screen", {0, 0, 0, 0}, {0, 0, 0, 0}, "wayland", {0, 0, 0, 0}, kOpening},
        UsableCase{"wayland_nan_screen",
                   {0, 0, kNaN, 11520},
                   k1366x768,
                   "wayland",
                   k1366x768,
                   {OPENING_OUTER_WIDTH, 11520}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mindrova
