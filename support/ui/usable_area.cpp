#include "support/ui/usable_area.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "window/twips.h"
#include "window/window_fit.h"

namespace mindrova {

QRect UsableGeometry(const QScreen& screen) {
    // The panels' room is in twips, so that it grows with the screen's logical DPI.
    const TwipScale scale(screen.logicalDotsPerInchY() > 0 ? screen.logicalDotsPerInchY() : 96.0);
    const QRect available = screen.availableGeometry();
    const TwipRect usable = UsableArea(scale.twips(screen.geometry()), scale.twips(available),
                                       QGuiApplication::platformName());
    return usable == scale.twips(available) ? available : scale.rect(usable);
}

QRect UsableGeometryFor(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? UsableGeometry(*screen) : QRect();
}

}  // namespace mindrova
