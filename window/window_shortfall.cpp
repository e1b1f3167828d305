#include "window/window_shortfall.h"

#include <algorithm>
#include <cmath>

namespace mindrova {

QSize WindowMinimum(const QSize& designed, const QSize& room) {
    const auto lowered = [](int wanted, int available) {
        // A screen that tells nothing usable, or next to nothing, leaves the design as it is:
        // a window of a few pixels would be no use to anyone.
        if (available < LEAST_ROOM_PX) return wanted;
        return std::min(wanted, available);
    };
    return {lowered(designed.width(), room.width()), lowered(designed.height(), room.height())};
}

ContentFit FitContent(const QSize& area, const QSize& least, int bar) {
    ContentFit fit;
    bar = std::max(0, bar);
    fit.vertical = least.height() > area.height();
    fit.horizontal = least.width() > area.width() - (fit.vertical ? bar : 0);
    // The horizontal bar takes height: the content may now need the vertical one as well.
    if (!fit.vertical && fit.horizontal) fit.vertical = least.height() > area.height() - bar;
    fit.viewport = QSize(std::max(0, area.width() - (fit.vertical ? bar : 0)),
                         std::max(0, area.height() - (fit.horizontal ? bar : 0)));
    fit.content = QSize(std::max(fit.viewport.width(), least.width()),
                        std::max(fit.viewport.height(), least.height()));
    return fit;
}

QPoint ClampScroll(const QPoint& offset, const ContentFit& fit) {
    const int x =
        fit.horizontal
            ? std::clamp(offset.x(), 0, std::max(0, fit.content.width() - fit.viewport.width()))
            : 0;
    const int y =
        fit.vertical
            ? std::clamp(offset.y(), 0, std::max(0, fit.content.height() - fit.viewport.height()))
            : 0;
    return {x, y};
}

int ScrollToShow(int offset, int start, int length, int viewport, int margin) {
    if (viewport <= 0) return offset;
    length = std::max(0, length);
    // The margin only where the span and both margins fit.
    margin = std::clamp(margin, 0, std::max(0, (viewport - length) / 2));
    if (length > viewport) return start;
    if (start - margin < offset) return start - margin;
    if (start + length + margin > offset + viewport) return start + length + margin - viewport;
    return offset;
}

void PlaceStatusBarControls(WindowLayout& layout, double windowWidthTwips) {
    if (!std::isfinite(windowWidthTwips)) return;
    // As ArrangeControls places them (steps 12 and 13), from the window's own width.
    layout.cmdNav.left = windowWidthTwips - layout.cmdNav.width - 390;
    layout.lblTime_New.left = layout.cmdNav.left - 1200;
}

SavedWindow SavedWithinDesign(SavedWindow window, double leastOuterWidth, double leastOuterHeight) {
    // Only a normal window is sized by the user; a maximized one keeps the normal size saved
    // before (FormPos_Save does not write it).
    if (window.state != SavedWindowState::Normal) return window;
    if (std::isfinite(leastOuterWidth)) window.width = std::max(window.width, leastOuterWidth);
    if (std::isfinite(leastOuterHeight)) window.height = std::max(window.height, leastOuterHeight);
    return window;
}

}  // namespace mindrova
