#include "window/window_shortfall.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace mindrova {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// The designed smallest client area at 96 dpi, and a scroll bar of the Fusion style.
const QSize kLeast(908, 557);
constexpr int kBar = 16;

struct MinimumRow {
    const char* name;
    QSize room;
    QSize expected;
};
void PrintTo(const MinimumRow& row, std::ostream* os) {
    *os << row.name;
}

class WindowMinimumRows : public ::testing::TestWithParam<MinimumRow> {};

TEST_P(WindowMinimumRows, NeverAsksMoreThanTheRoomNorLessThanTheDesignWhereItFits) {
    EXPECT_EQ(WindowMinimum(kLeast, GetParam().room), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rooms, WindowMinimumRows,
    ::testing::Values(MinimumRow{"roomy_screen_keeps_the_design", QSize(1346, 720), kLeast},
                      MinimumRow{"exactly_the_design", kLeast, kLeast},
                      MinimumRow{"netbook_800x480_lowers_both", QSize(800, 390), QSize(800, 390)},
                      MinimumRow{"wayland_1024x600_lowers_the_height_only", QSize(1024, 503),
                                 QSize(908, 503)},
                      MinimumRow{"no_screen_known_keeps_the_design", QSize(), kLeast},
                      MinimumRow{"a_few_pixels_are_no_truth", QSize(40, 10), kLeast},
                      MinimumRow{"negative_room_keeps_the_design", QSize(-20, -5), kLeast}),
    [](const auto& info) { return std::string(info.param.name); });

struct FitRow {
    const char* name;
    QSize area;
    ContentFit expected;
};
void PrintTo(const FitRow& row, std::ostream* os) {
    *os << row.name;
}

class FitContentRows : public ::testing::TestWithParam<FitRow> {};

TEST_P(FitContentRows, BarsOnlyWhereTheDesignDoesNotFit) {
    const FitRow& row = GetParam();
    const ContentFit fit = FitContent(row.area, kLeast, kBar);
    EXPECT_EQ(fit.horizontal, row.expected.horizontal);
    EXPECT_EQ(fit.vertical, row.expected.vertical);
    EXPECT_EQ(fit.viewport, row.expected.viewport);
    EXPECT_EQ(fit.content, row.expected.content);
    // What the content shows through is never larger than the area, nor the content smaller.
    EXPECT_LE(fit.viewport.width(), row.area.width());
    EXPECT_GE(fit.content.width(), fit.viewport.width());
    EXPECT_GE(fit.content.height(), fit.viewport.height());
}

INSTANTIATE_TEST_SUITE_P(
    Areas, FitContentRows,
    ::testing::Values(
        FitRow{"opening_size_shows_no_bar",
               QSize(1152, 750),
               {false, false, QSize(1152, 750), QSize(1152, 750)}},
        FitRow{"the_designed_smallest_shows_no_bar", kLeast, {false, false, kLeast, kLeast}},
        FitRow{"too_low_needs_the_vertical_bar_only",
               QSize(1000, 500),
               {false, true, QSize(984, 500), QSize(984, 557)}},
        // The vertical bar takes 16 px of width: 920 - 16 is less than 908.
        FitRow{"the_vertical_bar_brings_the_horizontal_one",
               QSize(920, 500),
               {true, true, QSize(904, 484), QSize(908, 557)}},
        // The horizontal bar takes 16 px of height: 570 - 16 is less than 557.
        FitRow{"the_horizontal_bar_brings_the_vertical_one",
               QSize(900, 570),
               {true, true, QSize(884, 554), QSize(908, 557)}},
        FitRow{"too_narrow_but_high_enough_for_its_bar",
               QSize(900, 600),
               {true, false, QSize(900, 584), QSize(908, 584)}},
        FitRow{"netbook_both_bars", QSize(784, 359), {true, true, QSize(768, 343), kLeast}},
        FitRow{
            "empty_area_shows_all_through_bars", QSize(0, 0), {true, true, QSize(0, 0), kLeast}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShowRow {
    const char* name;
    int offset;
    int start;
    int length;
    int expected;
};
void PrintTo(const ShowRow& row, std::ostream* os) {
    *os << row.name;
}

class ScrollToShowRows : public ::testing::TestWithParam<ShowRow> {};

// A viewport of 300 px with a margin of 8.
TEST_P(ScrollToShowRows, MovesAsLittleAsItCan) {
    const ShowRow& row = GetParam();
    EXPECT_EQ(ScrollToShow(row.offset, row.start, row.length, 300, 8), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Spans, ScrollToShowRows,
    ::testing::Values(ShowRow{"already_shown_stays", 100, 150, 30, 100},
                      ShowRow{"above_comes_down_to_its_top_with_margin", 200, 120, 30, 112},
                      ShowRow{"below_rises_to_its_foot_with_margin", 0, 400, 30, 138},
                      ShowRow{"touching_the_foot_gets_its_margin", 0, 270, 30, 8},
                      ShowRow{"longer_than_the_view_shows_its_start", 0, 500, 400, 500},
                      ShowRow{"at_the_very_top_may_go_negative_for_the_clamp", 50, 0, 30, -8},
                      ShowRow{"the_margin_shrinks_where_the_span_nearly_fills_the_view", 0, 400,
                              296, 398}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScrollToShow, AnEmptyViewportMovesNothing) {
    EXPECT_EQ(ScrollToShow(37, 500, 20, 0, 8), 37);
}

TEST(ClampScroll, StaysWithinTheContentBeyondTheViewAndIsZeroWithoutABar) {
    const ContentFit both{true, true, QSize(768, 343), kLeast};
    EXPECT_EQ(ClampScroll(QPoint(-8, -40), both), QPoint(0, 0));
    EXPECT_EQ(ClampScroll(QPoint(5000, 5000), both), QPoint(908 - 768, 557 - 343));
    EXPECT_EQ(ClampScroll(QPoint(70, 100), both), QPoint(70, 100));
    const ContentFit none{false, false, QSize(1152, 750), QSize(1152, 750)};
    EXPECT_EQ(ClampScroll(QPoint(70, 100), none), QPoint(0, 0))
        << "a window that holds its content is never left turned";
}

TEST(PlaceStatusBarControls, FollowTheWindowNotTheWiderContent) {
    WindowLayout layout = InitialLayout();
    ArrangeControls(layout, 13620, 8355);
    PlaceStatusBarControls(layout, 12000);
    EXPECT_DOUBLE_EQ(layout.cmdNav.left, 12000 - 390 - 390);
    EXPECT_DOUBLE_EQ(layout.lblTime_New.left, layout.cmdNav.left - 1200);
    // At the content's own width the places are ArrangeControls' own.
    WindowLayout same = InitialLayout();
    ArrangeControls(same, 13620, 8355);
    const TwipRect nav = same.cmdNav;
    PlaceStatusBarControls(same, 13620);
    EXPECT_EQ(same.cmdNav, nav);
    PlaceStatusBarControls(same, kNaN);
    EXPECT_EQ(same.cmdNav, nav) << "an unusable width moves nothing";
}

struct SaveRow {
    const char* name;
    SavedWindow closing;
    double expectedWidth;
    double expectedHeight;
};
void PrintTo(const SaveRow& row, std::ostream* os) {
    *os << row.name;
}

class SavedWithinDesignRows : public ::testing::TestWithParam<SaveRow> {};

// The designed smallest outer size: 908 x 557 px with a frame of 2 x 22 px, in twips.
constexpr double kLeastOuterWidth = 910 * 15.0;
constexpr double kLeastOuterHeight = 579 * 15.0;

TEST_P(SavedWithinDesignRows, NeverBelowTheDesignedSmallestSize) {
    const SaveRow& row = GetParam();
    const SavedWindow saved = SavedWithinDesign(row.closing, kLeastOuterWidth, kLeastOuterHeight);
    EXPECT_DOUBLE_EQ(saved.width, row.expectedWidth);
    EXPECT_DOUBLE_EQ(saved.height, row.expectedHeight);
    EXPECT_EQ(saved.left, row.closing.left) << "the place is the user's";
    EXPECT_EQ(saved.top, row.closing.top);
    EXPECT_EQ(saved.state, row.closing.state);
}

INSTANTIATE_TEST_SUITE_P(
    Closings, SavedWithinDesignRows,
    ::testing::Values(SaveRow{"netbook_forced_window_grows_to_the_design",
                              {0, 480, 800 * 15.0, 416 * 15.0, SavedWindowState::Normal},
                              kLeastOuterWidth,
                              kLeastOuterHeight},
                      SaveRow{"only_too_low_keeps_its_width",
                              {0, 0, 1024 * 15.0, 536 * 15.0, SavedWindowState::Normal},
                              1024 * 15.0,
                              kLeastOuterHeight},
                      SaveRow{"the_users_own_larger_size_is_kept",
                              {300, 200, 17280, 11715, SavedWindowState::Normal},
                              17280,
                              11715},
                      SaveRow{"maximized_is_left_to_FormPos_Save",
                              {0, 0, 800 * 15.0, 416 * 15.0, SavedWindowState::Maximized},
                              800 * 15.0,
                              416 * 15.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SavedWithinDesign, AnUnknownLeastSizeChangesNothing) {
    const SavedWindow closing{0, 0, 800 * 15.0, 416 * 15.0, SavedWindowState::Normal};
    const SavedWindow saved = SavedWithinDesign(closing, kNaN, kNaN);
    EXPECT_DOUBLE_EQ(saved.width, closing.width);
    EXPECT_DOUBLE_EQ(saved.height, closing.height);
}

}  // namespace
}  // namespace mindrova
