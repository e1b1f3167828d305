// The session window on screens of another scale: when the window moves to a screen with another
// logical DPI, or the DPI of its screen changes, every length in twips is turned into pixels
// again.
#include <QScreen>
#include <QWindow>

#include "session_window/frm_main.h"

namespace mindrova {
namespace {


TwipRect TwipsOf(const QRect& r, const TwipScale& scale) {
    return {scale.twips(r.x()), scale.twips(r.y()), scale.twips(r.width()),
            scale.twips(r.height())};
}

}  // namespace

// The controls that keep the place they were built with (the toolbar's buttons, the options and
// their captions); everything else is placed by ArrangeControls.
void frmMain::RecordDesignPlaces() {
    mDesignPlaces.clear();
    QList<QWidget*> fixed;
    for (QWidget* parent : {picToolBar, fraMode, fraSUD_2}) {
        fixed += parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    }
    for (QWidget* widget : fixed) {
        // The Feedback button is placed by ArrangeControls.
        if (widget != cmdWeb)
            mDesignPlaces.push_back({widget, TwipsOf(widget->geometry(), mScale)});
    }
}

void frmMain::FollowScreenDpi() {
    QScreen* current = screen();
    if (current == mWatchedScreen) return;
    disconnect(mDpiConnection);
    mWatchedScreen = current;
    if (current == nullptr) return;
    mDpiConnection = connect(current, &QScreen::logicalDotsPerInchChanged, this,
                             [this](qreal dpi) { SetLogicalDpi(dpi); });
    SetLogicalDpi(current->logicalDotsPerInchX());
}

void frmMain::SetLogicalDpi(double dpi) {
    if (!(dpi > 0) || dpi == mScale.logicalDpi()) return;
    const double factor = dpi / mScale.logicalDpi();
    const QSize client = size();
    const TwipScale old = mScale;
    mScale = TwipScale(dpi);

    // Fonts are set in points and Qt turns points into pixels at the primary screen's DPI, so
    // they follow this screen by their point size. The ones a control sets itself are scaled
    // before the window's own font reaches the others.
    QList<QWidget*> ownFonts;
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->testAttribute(Qt::WA_SetFont)) ownFonts << child;
    }
    const auto scaled = [factor](QFont font) {
        font.setPointSizeF(font.pointSizeF() * factor);
        return font;
    };
    for (QWidget* widget : ownFonts) widget->setFont(scaled(widget->font()));
    setFont(scaled(font()));

    for (const auto& [widget, rect] : mDesignPlaces) {
        if (widget) widget->setGeometry(mScale.rect(rect));
    }
    const int pauseIcon = mScale.px(LOWER_PAUSE_ICON);
    cmdPause_Bottom->setIconSize(QSize(pauseIcon, pauseIcon));
    ApplyMinimumSize();

    // The window keeps its size in twips; a maximized or minimized one keeps what it was given.
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) {
        if (!isMinimized()) ArrangeControls();
        return;
    }
    const QSize rescaled(mScale.px(old.twips(client.width())),
                         mScale.px(old.twips(client.height())));
    if (rescaled != size()) resize(rescaled);
    // Also where the resize changed nothing (held at the minimum): the pictures take the new scale.
    ArrangeControls();
}

}  // namespace mindrova
