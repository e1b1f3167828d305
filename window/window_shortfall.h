#pragma once
// A window smaller than its designed smallest size: a screen too small for the design (an
// 800 x 480 netbook, a Wayland output with a panel), or a window manager that gives less than
// was asked. The window then never asks for more than the screen can show; its content keeps
// the designed smallest size and scrolls under the status bar, which stays with the window. At
// every size the design holds, nothing here changes a thing. Lengths in logical pixels.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "window/window_layout.h"
#include "window/window_position.h"

namespace mindrova {

// The minimum size the window asks of the platform: the designed one, lowered to the room the
// screen has for the client area (its usable area less the frame). An unknown room (empty, or no
// screen) keeps the designed size; a room of a few pixels is not taken as the truth either.
inline constexpr int LEAST_ROOM_PX = 120;
QSize WindowMinimum(const QSize& designed, const QSize& room);

// How the content fits the part of the window above the status bar: which scroll bars show,
// what the content shows through (the window less the bars), and the size the content is laid
// out at (never less than its designed smallest, never less than what it shows through).
struct ContentFit {
    bool horizontal = false;
    bool vertical = false;
    QSize viewport;
    QSize content;
    bool operator==(const ContentFit&) const = default;
};
// area: the window's client area above the status bar; least: the designed smallest content;
// bar: the thickness of a scroll bar. A bar takes room from the other direction, which may then
// need its own bar too.
ContentFit FitContent(const QSize& area, const QSize& least, int bar);

// The scroll offset kept within what the content has beyond the viewport.
QPoint ClampScroll(const QPoint& offset, const ContentFit& fit);

// The offset along one axis that shows the span [start, start + length) (content coordinates)
// in a viewport of `viewport` pixels, moving as little as it can and leaving `margin` beside
// the span where there is room; a span longer than the viewport shows its start.
int ScrollToShow(int offset, int start, int length, int viewport, int margin);

// The status bar keeps to the window the user sees: the menu button and the clock are placed
// from the window's own width, whatever width the content behind them is laid out at.
void PlaceStatusBarControls(WindowLayout& layout, double windowWidthTwips);

// What of a closing window's size is saved: never less than the designed smallest outer size.
// A window the screen forced smaller would otherwise be stored as a size whose controls do not
// fit; on a screen that holds the design it would open cut. The size the user chose is kept
// wherever it is at least the designed one.
SavedWindow SavedWithinDesign(SavedWindow window, double leastOuterWidth, double leastOuterHeight);

}  // namespace mindrova
