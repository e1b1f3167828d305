#pragma once
// The part of a screen that a window may fill: the screen's available area, less room for the
// desktop's panels where the platform does not tell where they are (UsableArea in
// window/window_fit.h). In the screen's logical pixels.

#include <QRect>

class QScreen;
class QWidget;

namespace mindrova {

QRect UsableGeometry(const QScreen& screen);

// The usable area of the screen the widget is on, or of the primary screen; empty without any.
QRect UsableGeometryFor(const QWidget* widget);

}  // namespace mindrova
