#pragma once
// Where every control of the session window goes for a given outer window size. Pure geometry in
// twips (1/1440 inch); the window turns the rectangles into pixels.

namespace mindrova {

struct TwipRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool operator==(const TwipRect&) const = default;
};

inline constexpr double TOOLBAR_HEIGHT = 690;
inline constexpr double STATUSBAR_HEIGHT = 465;
inline constexpr double DESIGN_CLIENT_WIDTH = 17280;
inline constexpr double DESIGN_CLIENT_HEIGHT = 10995;
inline constexpr double OPENING_OUTER_WIDTH = 17276.7;
inline constexpr double OPENING_OUTER_HEIGHT = 11710.65;

// The controls that ArrangeControls places. Positions of the panels' children are relative to
// their panel; the rest to the window's client area (toolbar and status bar children to their
// bar).
struct WindowLayout {
    TwipRect lblIntro;
    TwipRect picLeftFrame;
    TwipRect picRightFrame;
    TwipRect lblSplit;
    TwipRect lblSegmentTitle;
    TwipRect lblLeftFrame;
    TwipRect picShape;
    TwipRect lblCurrentPoint;
    TwipRect fraMode;
    TwipRect fraSUD_2;
    TwipRect picHandLeft;
    TwipRect picHandRight;
    TwipRect cmdNav;
    TwipRect lblTime_New;
    TwipRect cmdPause_Bottom;
    TwipRect cmdWeb;
    double finishRight = 6795;  // right edge of cmdFinish, recorded at load
};

// The geometry of the window's design, before the first arrangement.
WindowLayout InitialLayout();

// Places every control from the window's outer width and height, in the window's order of steps;
// a step whose result is unusable leaves its control where it was.
void ArrangeControls(WindowLayout& layout, double outerWidth, double outerHeight);

// Half to even, as the window's arithmetic rounds.
double RoundTwips(double twips);

}  // namespace mindrova
