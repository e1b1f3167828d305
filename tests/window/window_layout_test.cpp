#include "window/window_layout.h"

#include <gtest/gtest.h>

#include <QRect>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "window/twips.h"

namespace mindrova {
namespace {

constexpr double kW0 = OPENING_OUTER_WIDTH;
constexpr double kH0 = OPENING_OUTER_HEIGHT;
constexpr double kTolerance = 1e-6;

struct Field {
    const char* name;
    TwipRect WindowLayout::*member;
};

const std::vector<Field> kFields = {
    {"lblIntro", &WindowLayout::lblIntro},
    {"picLeftFrame", &WindowLayout::picLeftFrame},
    {"picRightFrame", &WindowLayout::picRightFrame},
    {"lblSplit", &WindowLayout::lblSplit},
    {"lblSegmentTitle", &WindowLayout::lblSegmentTitle},
    {"lblLeftFrame", &WindowLayout::lblLeftFrame},
    {"picShape", &WindowLayout::picShape},
    {"lblCurrentPoint", &WindowLayout::lblCurrentPoint},
    {"fraMode", &WindowLayout::fraMode},
    {"fraSUD_2", &WindowLayout::fraSUD_2},
    {"picHandLeft", &WindowLayout::picHandLeft},
    {"picHandRight", &WindowLayout::picHandRight},
    {"cmdNav", &WindowLayout::cmdNav},
    {"lblTime_New", &WindowLayout::lblTime_New},
    {"cmdPause_Bottom", &WindowLayout::cmdPause_Bottom},
    {"cmdWeb", &WindowLayout::cmdWeb},
};

void ExpectRect(const TwipRect& actual, const TwipRect& expected, const std::string& name) {
    SCOPED_TRACE(name);
    EXPECT_NEAR(actual.left, expected.left, kTolerance);
    EXPECT_NEAR(actual.top, expected.top, kTolerance);
    EXPECT_NEAR(actual.width, expected.width, kTolerance);
    EXPECT_NEAR(actual.height, expected.height, kTolerance);
}

void ExpectSameLayout(const WindowLayout& actual, const WindowLayout& expected) {
    for (const Field& f : kFields) {
        EXPECT_EQ(actual.*f.member, expected.*f.member) << f.name;
    }
    EXPECT_EQ(actual.finishRight, expected.finishRight);
}

// Every row of a table is reported by its name.
template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

WindowLayout Arranged(double w, double h) {
    WindowLayout layout = InitialLayout();
    ArrangeControls(layout, w, h);
    return layout;
}

struct RoundCase {
    const char* name;
    double in;
    double out;
    friend void PrintTo(const RoundCase& row, std::ostream* out) { *out << row.name; }
};

class RoundTwipsTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundTwipsTest, RoundsHalvesToEven) {
    EXPECT_EQ(RoundTwips(GetParam().in), GetParam().out) << GetParam().in;
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundTwipsTest,
    ::testing::Values(
        RoundCase{"PlusHalf", 0.5, 0}, RoundCase{"OneAndAHalf", 1.5, 2},
        RoundCase{"TwoAndAHalf", 2.5, 2}, RoundCase{"ThreeAndAHalf", 3.5, 4},
        RoundCase{"MinusHalf", -0.5, 0}, RoundCase{"MinusOneAndAHalf", -1.5, -2},
        RoundCase{"MinusTwoAndAHalf", -2.5, -2}, RoundCase{"JustBelowAHalf", 2.4999, 2},
        RoundCase{"JustAboveAHalf", 2.5001, 3}, RoundCase{"JustBelowMinusAHalf", -2.5001, -3},
        RoundCase{"TitleWidth", 7993.35, 7993}, RoundCase{"EvenThousands", 4500.5, 4500},
        RoundCase{"OddThousands", 4501.5, 4502},
        RoundCase{"HalfBeyondDoublePrecision", 1e15 + 0.5, 1e15}, RoundCase{"Huge", 1e17, 1e17}),
    RowName<RoundCase>);

// Every value worked out by hand for W = 17276.7, H = 11710.65 (W/2 = 8638.35, panel height
// 10045.65).
TEST(WindowLayoutTest, OpeningSizePlacesEveryControl) {
    const WindowLayout l = Arranged(kW0, kH0);
    ExpectRect(l.lblIntro, {3861, 2758, 9555, 6195}, "lblIntro");  // dx 7722, dy 5516
    ExpectRect(l.picLeftFrame, {0, 690, 8593.35, 10045.65}, "picLeftFrame");
    ExpectRect(l.picRightFrame, {8683.35, 690, 8638.35, 10045.65}, "picRightFrame");
    ExpectRect(l.lblSplit, {8593.35, 990, 90, 9445.65}, "lblSplit");
    ExpectRect(l.lblSegmentTitle, {300, 300, 7993, 555}, "lblSegmentTitle");   // 7993.35
    ExpectRect(l.lblLeftFrame, {300, 945, 7993.35, 8980.65}, "lblLeftFrame");  // title ends 855
    ExpectRect(l.picShape, {749, 755, 7140, 8535}, "picShape");                // 749.175, 755.325
    ExpectRect(l.lblCurrentPoint, {749, 9440, 7140, 495}, "lblCurrentPoint");
    ExpectRect(l.fraMode, {749, 755, 7140, 8535}, "fraMode");
    ExpectRect(l.fraSUD_2, {974, 4310, 6690, 1425}, "fraSUD_2");           // 974.175, 4310.325
    ExpectRect(l.picHandLeft, {194, 3815, 3825, 2415}, "picHandLeft");     // 194.175, 3815.325
    ExpectRect(l.picHandRight, {4619, 3815, 3825, 2415}, "picHandRight");  // 4619.175
    ExpectRect(l.cmdNav, {16496.7, 15, 390, 390}, "cmdNav");
    ExpectRect(l.lblTime_New, {15296.7, -30, 735, 465}, "lblTime_New");
    ExpectRect(l.cmdPause_Bottom, {8166, 10766, 945, 945}, "cmdPause_Bottom");  // 8165.85, 10765.65
    ExpectRect(l.cmdWeb, {15611.7, 135, 1215, 375}, "cmdWeb");
}

TEST(WindowLayoutTest, ArrangingTwiceGivesTheSameLayout) {
    WindowLayout layout = Arranged(kW0, kH0);
    const WindowLayout once = layout;
    ArrangeControls(layout, kW0, kH0);
    ExpectSameLayout(layout, once);
}

// Threshold 3 x 1215 + 6795 + 750 = 11190.
struct FeedbackCase {
    const char* name;
    double width;
    double left;
    friend void PrintTo(const FeedbackCase& row, std::ostream* out) { *out << row.name; }
};

class FeedbackPlace : public ::testing::TestWithParam<FeedbackCase> {};

TEST_P(FeedbackPlace, MovesRightOnlyFromThreshold) {
    const FeedbackCase& c = GetParam();
    EXPECT_NEAR(Arranged(c.width, kH0).cmdWeb.left, c.left, kTolerance) << c.width;
}

INSTANTIATE_TEST_SUITE_P(WindowLayoutTest, FeedbackPlace,
                         ::testing::Values(FeedbackCase{"JustBelowThreshold", 11189.9, 9540},
                                           FeedbackCase{"AtThreshold", 11190, 9525},
                                           FeedbackCase{"JustAboveThreshold", 11190.1, 9525.1},
                                           FeedbackCase{"Narrow", 5000, 9540},
                                           FeedbackCase{"NoWidth", 0, 9540},
                                           FeedbackCase{"Wide", 20000, 18335}),
                         RowName<FeedbackCase>);

struct IntroCase {
    const char* name;
    double w, h;
    double left, top;
    friend void PrintTo(const IntroCase& row, std::ostream* out) { *out << row.name; }
};

class IntroPlace : public ::testing::TestWithParam<IntroCase> {};

TEST_P(IntroPlace, StaysInsideSmallWindows) {
    const IntroCase& c = GetParam();
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
    const TwipRect intro = Arranged(c.w, c.h).lblIntro;
    ExpectRect(intro, {c.left, c.top, 9555, 6195}, "lblIntro");
}

INSTANTIATE_TEST_SUITE_P(
    WindowLayoutTest, IntroPlace,
    ::testing::Values(IntroCase{"NarrowerThanTheText", 9000, kH0, 0, 2758},
                      IntroCase{"LiftedToTheTopMargin", kW0, 7000, 3861, 645},  // dy 805
                      IntroCase{"SmallSquare", 5000, 5000, 0, 645},
                      IntroCase{"ExactlyTheMargin", kW0, 7485, 3861, 645},  // dy exactly 1290
                      // Halved after rounding, not rounded again.
                      IntroCase{"HalvedAfterRounding", kW0, 7486, 3861, 645.5},
                      IntroCase{"HalfRoundsToEvenDown", 10000, kH0, 222.5, 2758},
                      IntroCase{"HalfRoundsToEvenUp", 10001.5, kH0, 223, 2758}),  // dx 446.5
    RowName<IntroCase>);

struct TitleCase {
    const char* name;
    double w;
    double titleWidth;
    double textWidth;
    friend void PrintTo(const TitleCase& row, std::ostream* out) { *out << row.name; }
};

class TitleAndInstructions : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleAndInstructions, TitleKeepsMinimumWidthWhileInstructionsFollowPanel) {
    const TitleCase& c = GetParam();
    SCOPED_TRACE(c.w);
    const WindowLayout layout = Arranged(c.w, kH0);
    ExpectRect(layout.lblSegmentTitle, {300, 300, c.titleWidth, 555}, "lblSegmentTitle");
    ExpectRect(layout.lblLeftFrame, {300, 945, c.textWidth, 8980.65}, "lblLeftFrame");
}

INSTANTIATE_TEST_SUITE_P(WindowLayoutTest, TitleAndInstructions,
                         ::testing::Values(TitleCase{"PanelBelowTitleMinimum", 8000, 3900, 3355},
                                           TitleCase{"PanelAtTitleMinimum", 9090, 3900, 3900},
                                           // Rounds half to even.
                                           TitleCase{"JustAboveMinimum", 9092, 3901, 3901},
                                           TitleCase{"HalfRoundsToEven", 10291, 4500, 4500.5},
                                           TitleCase{"VeryNarrow", 3000, 3900, 855}),
                         RowName<TitleCase>);

// Width 1000 gives a panel 455 wide; height 2000 a panel 335 high, less than 855 + 210.
struct SizeCase {
    const char* name;
    double w, h;
    friend void PrintTo(const SizeCase& row, std::ostream* out) { *out << row.name; }
};

class InstructionsKeepPlace : public ::testing::TestWithParam<SizeCase> {};

TEST_P(InstructionsKeepPlace, WhenSizeWouldBeNegative) {
    const SizeCase& c = GetParam();
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
    WindowLayout layout = Arranged(12000, 9000);
    const TwipRect before = layout.lblLeftFrame;
    ArrangeControls(layout, c.w, c.h);
    EXPECT_EQ(layout.lblLeftFrame, before);
    EXPECT_NE(layout.picLeftFrame, Arranged(12000, 9000).picLeftFrame);
}

INSTANTIATE_TEST_SUITE_P(WindowLayoutTest, InstructionsKeepPlace,
                         ::testing::Values(SizeCase{"Narrow", 1000, kH0},
                                           SizeCase{"Low", kW0, 2000},
                                           SizeCase{"NarrowAndLow", 1000, 2000},
                                           SizeCase{"Negative", -500, -500}),
                         RowName<SizeCase>);

TEST(WindowLayoutTest, InstructionsAcceptZeroSize) {
    // Panel 600 x 1065: the label's width and height come out exactly 0.
    const WindowLayout layout = Arranged(1290, 855 + 210 + 1665);
    ExpectRect(layout.lblLeftFrame, {300, 945, 0, 0}, "lblLeftFrame");
}

struct RightPanelCase {
    const char* name;
    double w, h;
    double shapeLeft, shapeTop;
    double sudLeft, sudTop;
    double pointTop;
    friend void PrintTo(const RightPanelCase& row, std::ostream* out) { *out << row.name; }
};

class RightPanel : public ::testing::TestWithParam<RightPanelCase> {};

TEST_P(RightPanel, ContentsStartAtZeroWhenTheyDoNotFit) {
    const RightPanelCase& c = GetParam();
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
    const WindowLayout layout = Arranged(c.w, c.h);
    ExpectRect(layout.picShape, {c.shapeLeft, c.shapeTop, 7140, 8535}, "picShape");
    ExpectRect(layout.fraMode, {c.shapeLeft, c.shapeTop, 7140, 8535}, "fraMode");
    ExpectRect(layout.fraSUD_2, {c.sudLeft, c.sudTop, 6690, 1425}, "fraSUD_2");
    ExpectRect(layout.lblCurrentPoint, {c.shapeLeft, c.pointTop, 7140, 495}, "lblCurrentPoint");
}

INSTANTIATE_TEST_SUITE_P(
    WindowLayoutTest, RightPanel,
    ::testing::Values(
        RightPanelCase{"PanelFiveThousandWide", 10000, kH0, 0, 755, 0, 4310, 9440},
        RightPanelCase{"PanelLowerThanThePicture", kW0, 8000, 749, 0, 974, 2455, 8685},  // 6335
        RightPanelCase{"PanelSmallerBothWays", 14000, 9000, 0, 0, 155, 2955, 8685},  // 7000 x 7335
        RightPanelCase{"ExactlyThePicturesSize", 14280, 10200, 0, 0, 225, 3555, 8685},
        RightPanelCase{"Tiny", 1000, 1000, 0, 0, 0, 0, 8685}),
    RowName<RightPanelCase>);

struct HandsCase {
    const char* name;
    double w, h;
    double leftX, rightX, y;
    friend void PrintTo(const HandsCase& row, std::ostream* out) { *out << row.name; }
};

class Hands : public ::testing::TestWithParam<HandsCase> {};

TEST_P(Hands, FallBackWhenHalfPanelIsTooNarrow) {
    const HandsCase& c = GetParam();
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
    const WindowLayout layout = Arranged(c.w, c.h);
    ExpectRect(layout.picHandLeft, {c.leftX, c.y, 3825, 2415}, "picHandLeft");
    ExpectRect(layout.picHandRight, {c.rightX, c.y, 3825, 2415}, "picHandRight");
}

INSTANTIATE_TEST_SUITE_P(
    WindowLayoutTest, Hands,
    ::testing::Values(HandsCase{"HalfPanelTooNarrow", 16000, kH0, 0, 4425, 3815},  // 4000
                      HandsCase{"VeryNarrow", 2000, kH0, 0, 4425, 3815},
                      HandsCase{"HalfPanelJustWideEnough", 16600, kH0, 25, 4450, 3815},  // 4150
                      // 25.5 and 4450.5 round to even.
                      HandsCase{"HalvesRoundToEven", 16602, kH0, 26, 4450, 3815},
                      HandsCase{"PanelLowerThanTheHands", kW0, 3000, 194, 4619, 0}),  // 1335
    RowName<HandsCase>);

bool AllFinite(const WindowLayout& layout) {
    for (const Field& f : kFields) {
        const TwipRect& r = layout.*f.member;
        if (!std::isfinite(r.left) || !std::isfinite(r.top) || !std::isfinite(r.width) ||
            !std::isfinite(r.height)) {
            ADD_FAILURE() << f.name << " is not finite";
            return false;
        }
    }
    return true;
}

TEST(WindowLayoutTest, DegenerateSizesNeverGiveNonFiniteValues) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kMax = std::numeric_limits<double>::max();
    const double sizes[] = {0, -1, -1e12, 1e12, kNaN, kInf, -kInf, kMax, -kMax, kW0, kH0};
    for (double w : sizes) {
        for (double h : sizes) {
            SCOPED_TRACE(testing::Message() << w << " x " << h);
            WindowLayout fresh = InitialLayout();
            ArrangeControls(fresh, w, h);
            EXPECT_TRUE(AllFinite(fresh));
            WindowLayout opened = Arranged(kW0, kH0);
            ArrangeControls(opened, w, h);
            EXPECT_TRUE(AllFinite(opened));
        }
    }
}

class UnusableSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(UnusableSize, LeavesEveryControlWhereItWas) {
    const SizeCase& c = GetParam();
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
    const WindowLayout opened = Arranged(kW0, kH0);
    WindowLayout layout = opened;
    ArrangeControls(layout, c.w, c.h);
    ExpectSameLayout(layout, opened);
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(WindowLayoutTest, UnusableSize,
                         ::testing::Values(SizeCase{"NaNWidth", kNaN, kH0},
                                           SizeCase{"NaNHeight", kW0, kNaN},
                                           SizeCase{"NaNBoth", kNaN, kNaN},
                                           SizeCase{"InfiniteWidth", kInf, kH0},
                                           SizeCase{"InfiniteHeight", kW0, kInf}),
                         RowName<SizeCase>);

TEST(WindowLayoutTest, HugeWindowStillFollowsTheRules) {
    const WindowLayout layout = Arranged(1e12, 1e12);
    EXPECT_EQ(layout.cmdWeb.left, 1e12 - 1665);
    EXPECT_EQ(layout.cmdNav.left, 1e12 - 780);
    EXPECT_EQ(layout.picLeftFrame.height, 1e12 - 1665);
    EXPECT_EQ(layout.lblIntro.left, (1e12 - 9555) / 2);
}

// A window's frame or a screen's area read in twips and placed again in pixels is the same
// rectangle, at every scale the window may be on.
struct ScaleCase {
    const char* name;
    double dpi;
    friend void PrintTo(const ScaleCase& row, std::ostream* out) { *out << row.name; }
};

class PixelRectangles : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(PixelRectangles, ComeBackWholeFromTwips) {
    const TwipScale scale(GetParam().dpi);
    for (const QRect r : {QRect(0, 0, 1, 1), QRect(-1366, 0, 1366, 768), QRect(17, 33, 1021, 599),
                          QRect(1920, -1080, 3840, 2160)}) {
        const TwipRect twips = scale.twips(r);
        EXPECT_DOUBLE_EQ(twips.left, scale.twips(r.x()));
        EXPECT_DOUBLE_EQ(twips.top, scale.twips(r.y()));
        EXPECT_DOUBLE_EQ(twips.width, scale.twips(r.width()));
        EXPECT_DOUBLE_EQ(twips.height, scale.twips(r.height()));
        EXPECT_EQ(scale.rect(twips), r);
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, PixelRectangles,
                         ::testing::Values(ScaleCase{"Dpi96", 96}, ScaleCase{"Dpi120", 120},
                                           ScaleCase{"Dpi144", 144}, ScaleCase{"Dpi192", 192},
                                           ScaleCase{"Dpi72", 72}),
                         RowName<ScaleCase>);

TEST(TwipScaleTest, PixelRectanglesAreFifteenTwipsAPixelAtTheUsualScale) {
    const TwipRect twips = TwipScale(96).twips(QRect(2, -3, 100, 40));
    EXPECT_EQ(twips, (TwipRect{30, -45, 1500, 600}));
}

}  // namespace
}  // namespace mindrova
