#pragma once
// The session window's place on its screens, in twips: what the stored position, the opening
// size and the fitting rules of window/window_fit.h read and set. The window's frame is counted
// wherever the platform draws one.

#include <QSize>
#include <QSizeF>

#include "window/twips.h"
#include "window/window_fit.h"
#include "window/window_position.h"

class QScreen;
class QWidget;

namespace mindrova {

class WindowGeometry : public PositionedWindow {
public:
    // scale: the window's own, which changes with its screen's DPI; both outlive this object.
    WindowGeometry(QWidget& window, const TwipScale& scale) : mWindow(window), mScale(scale) {}

    // PositionedWindow
    QSizeF ScreenSize() const override;
    TwipRect OuterGeometry() const override;
    void SetOuterGeometry(const TwipRect& geometry) override;
    void Maximize() override;
    ScreenAreas Screens() const override;

    // The window's screen's available area, less the panels' room where the platform hides the
    // panels.
    TwipRect AvailableArea() const;
    // That area as the platform tells it.
    TwipRect RawAvailableArea() const;
    TwipRect UsableAreaOf(const QScreen& screen) const;
    // An outer rectangle fitted into the usable area, or at the window's smallest size into the
    // available one where the usable area cannot hold that (OpeningPlace).
    TwipRect FittedOnScreen(const TwipRect& outer) const;
    // Moves the window's frame to this place, its size unchanged.
    void MoveTo(double left, double top);
    // Gives the window an outer size, its place unchanged.
    void SetOuterSize(double width, double height);
    // What the frame adds to the window's client area, in pixels; none where the platform draws
    // no frame.
    QSize FrameExtra() const;
    // The outer size, frame included, of a window whose client area has this size in pixels.
    TwipSize OuterSizeOf(const QSize& client) const;

private:
    const QScreen* CurrentScreen() const;

    QWidget& mWindow;
    const TwipScale& mScale;
};

}  // namespace mindrova
