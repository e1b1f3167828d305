// The session window on a screen smaller than its designed smallest size: the room the screen has
// for it, and the wheel that turns its content there (content_scroll.h).
#include <QGuiApplication>
#include <QScreen>
#include <QWheelEvent>

#include "support/ui/usable_area.h"
#include "window/ui/content_scroll.h"
#include "window/ui/frm_main.h"

namespace mindrova {

QSize frmMain::RoomForClient() const {
    // The room is measured in the screen's pixels and the designed size in the window's: until
    // the window follows its screen's scale (FollowScreenDpi; a window between two screens, or
    // given a scale of its own) the two do not compare, and the design stands.
    const QScreen* s = screen();
    if (s == nullptr || s->logicalDotsPerInchX() != mScale.logicalDpi()) return {};
    // Where the window places itself (X11), the panels' room gives way before the design does:
    // a window kept within the whole available area still has its foot on the screen
    // (OpeningPlace). Where the compositor places it (Wayland), it goes under the panels there
    // may be, and only the usable area is sure to show it whole.
    const QRect room = PlatformPlacesWindows(QGuiApplication::platformName())
                           ? s->availableGeometry()
                           : UsableGeometry(*s);
    if (room.isEmpty()) return {};
    return room.size() - mGeometry.FrameExtra();
}

void frmMain::wheelEvent(QWheelEvent* event) {
    if (!mContentScroll->Wheel(*event)) QWidget::wheelEvent(event);
}

}  // namespace mindrova
