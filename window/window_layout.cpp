#include "window/window_layout.h"

#include <cmath>
#include <initializer_list>

namespace mindrova {

namespace {

bool IsFinite(const TwipRect& r) {
    return std::isfinite(r.left) && std::isfinite(r.top) && std::isfinite(r.width) &&
           std::isfinite(r.height);
}

// A move that would leave a non-finite coordinate is dropped, so one bad size never spreads
// NaN or infinity into the controls the later steps read.
void Place(TwipRect& control, const TwipRect& to) {
    if (IsFinite(to)) control = to;
}

// Offset that centres an item of the given size in a container, or 0 when it does not fit.
double CentredOffset(double container, double item) {
    return container > item ? RoundTwips((container - item) / 2) : 0;
}

}  // namespace

double RoundTwips(double twips) {
    // Explicit so that the result does not depend on the floating-point environment.
    if (!std::isfinite(twips)) return twips;
    double rounded = std::round(twips);  // halves away from zero
    if (std::fabs(rounded - twips) == 0.5 && std::fmod(rounded, 2.0) != 0) {
        rounded -= std::copysign(1.0, twips);
    }
    return rounded;
}

WindowLayout InitialLayout() {
    WindowLayout layout;
    layout.lblIntro = {0, 0, 9555, 6195};
    layout.lblSegmentTitle = {0, 0, 0, 555};
    layout.picShape = {0, 0, 7140, 8535};
    layout.lblCurrentPoint = {0, 0, 0, 495};
    layout.fraMode = {0, 0, 7140, 8535};
    layout.fraSUD_2 = {0, 0, 6690, 1425};
    layout.picHandLeft = {0, 0, 3825, 2415};
    layout.picHandRight = {0, 0, 3825, 2415};
    layout.cmdNav = {0, 15, 390, 390};
    layout.lblTime_New = {0, -30, 735, 465};
    layout.cmdPause_Bottom = {0, 0, 945, 945};
    layout.cmdWeb = {0, 135, 1215, 375};
    layout.finishRight = 5580 + 1215;
    return layout;
}

void ArrangeControls(WindowLayout& layout, double outerWidth, double outerHeight) {
    const double w = outerWidth;
    const double h = outerHeight;
    const double t = TOOLBAR_HEIGHT;
    const double s = STATUSBAR_HEIGHT;
    const double panelHeight = h - t - s - 480 - 30;

    {  // 1. intro text, centred but never above the toolbar's reach
        TwipRect& intro = layout.lblIntro;
        double dx = RoundTwips(w - intro.width);
        if (dx < 0) dx = 0;
        double dy = RoundTwips(h - intro.height);
        if (t + 600 > dy) dy = t + 600;
        Place(intro, {dx / 2, dy / 2, intro.width, intro.height});
    }

    // 2., 3. the two panels
    Place(layout.picLeftFrame, {0, t, w / 2 - 45, panelHeight});
    Place(layout.picRightFrame, {w / 2 + 45, t, w / 2, panelHeight});

    // 4. divider
    Place(layout.lblSplit, {w / 2 - 45, t + 300, 90, layout.picRightFrame.height - 600});

    const TwipRect& left = layout.picLeftFrame;
    const TwipRect& right = layout.picRightFrame;

    {  // 5. step title, kept readable even when the panel is narrower
        TwipRect& title = layout.lblSegmentTitle;
        double width = RoundTwips(left.width - 600);
        if (width < 3900) width = 3900;
        Place(title, {300, 300, width, title.height});
    }

    {  // 6. instructions; a label cannot take a negative size, so that move is skipped
        const double below = layout.lblSegmentTitle.bottom();
        const TwipRect to{300, below + 90, left.width - 600, left.height - below - 210};
        if (to.width >= 0 && to.height >= 0) Place(layout.lblLeftFrame, to);
    }

    // 7. body picture
    TwipRect& shape = layout.picShape;
    const double shapeX = CentredOffset(right.width, shape.width);
    Place(shape, {shapeX, CentredOffset(right.height, shape.height), shape.width, shape.height});

    // 8. current point caption under the picture
    Place(layout.lblCurrentPoint,
          {shapeX, shape.bottom() + 150, shape.width, layout.lblCurrentPoint.height});

    // 9., 10. issue and SUD frames
    for (TwipRect* frame : {&layout.fraMode, &layout.fraSUD_2}) {
        Place(*frame, {CentredOffset(right.width, frame->width),
                       CentredOffset(right.height, frame->height), frame->width, frame->height});
    }

    {  // 11. hands side by side around the panel's middle
        TwipRect& leftHand = layout.picHandLeft;
        TwipRect& rightHand = layout.picHandRight;
        const double y = CentredOffset(right.height, leftHand.height);
        double xl = RoundTwips(right.width / 2 - leftHand.width - 300);
        double xr;
        if (xl < 0) {
            xl = 0;
            xr = leftHand.width + 600;
        } else {
            xr = RoundTwips(right.width / 2 + 300);
        }
        Place(leftHand, {xl, y, leftHand.width, leftHand.height});
        Place(rightHand, {xr, y, rightHand.width, rightHand.height});
    }

    // 12., 13. status bar: menu button at the right, elapsed time left of it
    TwipRect& nav = layout.cmdNav;
    Place(nav, {w - nav.width - 390, nav.top, nav.width, nav.height});
    TwipRect& time = layout.lblTime_New;
    Place(time, {nav.left - 1200, time.top, time.width, time.height});

    {  // 14. lower Pause button, centred under the panels
        TwipRect& pause = layout.cmdPause_Bottom;
        Place(pause, {RoundTwips(w / 2 - pause.width / 2), RoundTwips(left.bottom() + 30),
                      pause.width, pause.height});
    }

    {  // 15. Feedback at the right edge once the toolbar has room, else at a fixed place
        TwipRect& web = layout.cmdWeb;
        const double threshold = 3 * web.width + layout.finishRight + 750;
        // A NaN width satisfies neither branch and must not pick the fixed place.
        if (w >= threshold) {
            Place(web, {w - web.width - 450, web.top, web.width, web.height});
        } else if (w < threshold) {
            Place(web, {9540, web.top, web.width, web.height});
        }
    }
}

}  // namespace mindrova
