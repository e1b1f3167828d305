#include "window/ui/window_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace mindrova {

QSize WindowGeometry::FrameExtra() const {
    return mWindow.frameGeometry().size() - mWindow.size();
}

const QScreen* WindowGeometry::CurrentScreen() const {
    const QScreen* s = mWindow.screen();
    return s != nullptr ? s : QGuiApplication::primaryScreen();
}

QSizeF WindowGeometry::ScreenSize() const {
    const QScreen* s = mWindow.screen();
    const QSize size = s ? s->geometry().size() : QSize(1024, 768);
    return {mScale.twips(size.width()), mScale.twips(size.height())};
}

TwipRect WindowGeometry::OuterGeometry() const {
    return mScale.twips(mWindow.frameGeometry());
}

void WindowGeometry::SetOuterGeometry(const TwipRect& geometry) {
    const QSize frameExtra = FrameExtra();
    mWindow.move(mScale.px(geometry.left), mScale.px(geometry.top));
    mWindow.resize(std::max(1, mScale.px(geometry.width) - frameExtra.width()),
                   std::max(1, mScale.px(geometry.height) - frameExtra.height()));
}

void WindowGeometry::Maximize() {
    mWindow.setWindowState(mWindow.windowState() | Qt::WindowMaximized);
}

ScreenAreas WindowGeometry::Screens() const {
    ScreenAreas areas;
    for (const QScreen* s : QGuiApplication::screens()) {
        areas.screens.push_back(mScale.twips(s->geometry()));
    }
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        areas.primaryAvailable = UsableAreaOf(*primary);
    }
    return areas;
}

TwipRect WindowGeometry::AvailableArea() const {
    const QScreen* s = CurrentScreen();
    return s != nullptr ? UsableAreaOf(*s) : TwipRect{};
}

TwipRect WindowGeometry::RawAvailableArea() const {
    const QScreen* s = CurrentScreen();
    return s != nullptr ? mScale.twips(s->availableGeometry()) : TwipRect{};
}

TwipRect WindowGeometry::UsableAreaOf(const QScreen& s) const {
    return UsableArea(mScale.twips(s.geometry()), mScale.twips(s.availableGeometry()),
                      QGuiApplication::platformName());
}

TwipSize WindowGeometry::OuterSizeOf(const QSize& client) const {
    const QSize outer = client + FrameExtra();
    return {mScale.twips(outer.width()), mScale.twips(outer.height())};
}

TwipRect WindowGeometry::FittedOnScreen(const TwipRect& outer) const {
    return OpeningPlace(outer, AvailableArea(), RawAvailableArea(),
                        OuterSizeOf(mWindow.minimumSize()));
}

void WindowGeometry::MoveTo(double left, double top) {
    mWindow.move(mScale.px(left), mScale.px(top));
}

void WindowGeometry::SetOuterSize(double width, double height) {
    const QSize frameExtra = FrameExtra();
    mWindow.resize(mScale.px(width) - frameExtra.width(), mScale.px(height) - frameExtra.height());
}

}  // namespace mindrova
