#include "session/window_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

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

WindowLayout Arranged(double w, double h) {
    WindowLayout layout = InitialLayout();
    ArrangeControls(layout, w, h);
    return layout;
}

TEST(RoundTwipsTest, RoundsHalvesToEven) {
    struct Case {
        double in;
        double out;
    };
    const Case cases[] = {
        {0.5, 0},        {1.5, 2},       {2.5, 2},       {3.5, 4},           {-0.5, 0},
        {-1.5, -2},      {-2.5, -2},     {2.4999, 2},    {2.5001, 3},        {-2.5001, -3},
        {7993.35, 7993}, {4500.5, 4500}, {4501.5, 4502}, {1e15 + 0.5, 1e15}, {1e17, 1e17},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundTwips(c.in), c.out) << c.in;
    }
}

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

TEST(WindowLayoutTest, FeedbackMovesRightOnlyFromThreshold) {
    struct Case {
        double width;
        double left;
    };
    // Threshold 3 x 1215 + 6795 + 750 = 11190.
    const Case cases[] = {
        {11189.9, 9540}, {11190, 9525}, {11190.1, 9525.1}, {5000, 9540}, {0, 9540}, {20000, 18335},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(Arranged(c.width, kH0).cmdWeb.left, c.left, kTolerance) << c.width;
    }
}

TEST(WindowLayoutTest, IntroStaysInsideSmallWindows) {
    struct Case {
        double w, h;
        double left, top;
    };
    const Case cases[] = {
        {9000, kH0, 0, 2758},                               // narrower than the text
        {kW0, 7000, 3861, 645},                             // dy 805 lifted to T + 600
        {5000, 5000, 0, 645},      {kW0, 7485, 3861, 645},  // dy exactly 1290
        {kW0, 7486, 3861, 645.5},  // halved after rounding, not rounded again
        {10000, kH0, 222.5, 2758}, {10001.5, kH0, 223, 2758},  // dx 446.5 rounds to even
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
        const TwipRect intro = Arranged(c.w, c.h).lblIntro;
        ExpectRect(intro, {c.left, c.top, 9555, 6195}, "lblIntro");
    }
}

TEST(WindowLayoutTest, TitleKeepsMinimumWidthWhileInstructionsFollowPanel) {
    struct Case {
        double w;
        double titleWidth;
        double textWidth;
    };
    const Case cases[] = {
        {8000, 3900, 3355},                         // panel 3955
        {9090, 3900, 3900},                         // panel 4500
        {9092, 3901, 3901}, {10291, 4500, 4500.5},  // rounds half to even
        {3000, 3900, 855},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.w);
        const WindowLayout layout = Arranged(c.w, kH0);
        ExpectRect(layout.lblSegmentTitle, {300, 300, c.titleWidth, 555}, "lblSegmentTitle");
        ExpectRect(layout.lblLeftFrame, {300, 945, c.textWidth, 8980.65}, "lblLeftFrame");
    }
}

TEST(WindowLayoutTest, InstructionsKeepPreviousPlaceWhenSizeWouldBeNegative) {
    struct Case {
        double w, h;
    };
    // Width 1000 gives a panel 455 wide; height 2000 a panel 335 high, less than 855 + 210.
    const Case cases[] = {{1000, kH0}, {kW0, 2000}, {1000, 2000}, {-500, -500}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
        WindowLayout layout = Arranged(12000, 9000);
        const TwipRect before = layout.lblLeftFrame;
        ArrangeControls(layout, c.w, c.h);
        EXPECT_EQ(layout.lblLeftFrame, before);
        EXPECT_NE(layout.picLeftFrame, Arranged(12000, 9000).picLeftFrame);
    }
}

TEST(WindowLayoutTest, InstructionsAcceptZeroSize) {
    // Panel 600 x 1065: the label's width and height come out exactly 0.
    const WindowLayout layout = Arranged(1290, 855 + 210 + 1665);
    ExpectRect(layout.lblLeftFrame, {300, 945, 0, 0}, "lblLeftFrame");
}

TEST(WindowLayoutTest, RightPanelContentsStartAtZeroWhenTheyDoNotFit) {
    struct Case {
        double w, h;
        double shapeLeft, shapeTop;
        double sudLeft, sudTop;
        double pointTop;
    };
    const Case cases[] = {
        {10000, kH0, 0, 755, 0, 4310, 9440},    // panel 5000 wide
        {kW0, 8000, 749, 0, 974, 2455, 8685},   // panel 6335 high
        {14000, 9000, 0, 0, 155, 2955, 8685},   // panel 7000 x 7335
        {14280, 10200, 0, 0, 225, 3555, 8685},  // exactly the picture's size
        {1000, 1000, 0, 0, 0, 0, 8685},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
        const WindowLayout layout = Arranged(c.w, c.h);
        ExpectRect(layout.picShape, {c.shapeLeft, c.shapeTop, 7140, 8535}, "picShape");
        ExpectRect(layout.fraMode, {c.shapeLeft, c.shapeTop, 7140, 8535}, "fraMode");
        ExpectRect(layout.fraSUD_2, {c.sudLeft, c.sudTop, 6690, 1425}, "fraSUD_2");
        ExpectRect(layout.lblCurrentPoint, {c.shapeLeft, c.pointTop, 7140, 495}, "lblCurrentPoint");
    }
}

TEST(WindowLayoutTest, HandsFallBackWhenHalfPanelIsTooNarrow) {
    struct Case {
        double w, h;
        double leftX, rightX, y;
    };
    const Case cases[] = {
        {16000, kH0, 0, 4425, 3815},                                 // half panel 4000 < 3825 + 300
        {2000, kH0, 0, 4425, 3815},   {16600, kH0, 25, 4450, 3815},  // half panel 4150
        {16602, kH0, 26, 4450, 3815},  // 25.5 and 4450.5 round to even
        {kW0, 3000, 194, 4619, 0},     // panel 1335 high
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
        const WindowLayout layout = Arranged(c.w, c.h);
        ExpectRect(layout.picHandLeft, {c.leftX, c.y, 3825, 2415}, "picHandLeft");
        ExpectRect(layout.picHandRight, {c.rightX, c.y, 3825, 2415}, "picHandRight");
    }
}

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

TEST(WindowLayoutTest, UnusableSizeLeavesEveryControlWhereItWas) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double w, h;
    };
    const Case cases[] = {{kNaN, kH0}, {kW0, kNaN}, {kNaN, kNaN}, {kInf, kH0}, {kW0, kInf}};
    const WindowLayout opened = Arranged(kW0, kH0);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
        WindowLayout layout = opened;
        ArrangeControls(layout, c.w, c.h);
        ExpectSameLayout(layout, opened);
    }
}

TEST(WindowLayoutTest, HugeWindowStillFollowsTheRules) {
    const WindowLayout layout = Arranged(1e12, 1e12);
    EXPECT_EQ(layout.cmdWeb.left, 1e12 - 1665);
    EXPECT_EQ(layout.cmdNav.left, 1e12 - 780);
    EXPECT_EQ(layout.picLeftFrame.height, 1e12 - 1665);
    EXPECT_EQ(layout.lblIntro.left, (1e12 - 9555) / 2);
}

}  // namespace
}  // namespace mindrova
