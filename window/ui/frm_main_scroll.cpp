// The session window on a screen smaller than its designed smallest size: the window asks for no
// more than the screen has, and its content (everything but the status bar) keeps the designed
// size and scrolls. The content is not put into a scroll area: its controls stay the window's
// own, so that at every size the design holds the window is exactly as before, and a click on
// its bare background still reaches the window. The bars only show where the window is smaller.
#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include "support/ui/usable_area.h"
#include "window/ui/frm_main.h"

namespace mindrova {
namespace {

// A control scrolled into view keeps this much room beside it where the view has it.
constexpr double kFocusMargin = 120;

}  // namespace

void frmMain::BuildContentScrollBars() {
    mScrollRight = new QScrollBar(Qt::Vertical, this);
    mScrollRight->setObjectName(QStringLiteral("scrContentVertical"));
    mScrollBottom = new QScrollBar(Qt::Horizontal, this);
    mScrollBottom->setObjectName(QStringLiteral("scrContentHorizontal"));
    for (QScrollBar* bar : {mScrollRight, mScrollBottom}) {
        // The keyboard reaches every control by Tab, which scrolls it into view; the bars are
        // for the mouse.
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setHidden(true);
    }
    mScrollRight->setAccessibleName(tr("Scroll the window up and down"));
    mScrollBottom->setAccessibleName(tr("Scroll the window left and right"));
    connect(mScrollRight, &QScrollBar::valueChanged, this,
            [this](int value) { ScrollContentTo(QPoint(mScroll.x(), value)); });
    connect(mScrollBottom, &QScrollBar::valueChanged, this,
            [this](int value) { ScrollContentTo(QPoint(value, mScroll.y())); });
    mFocusConnection = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget*, QWidget* now) { ShowFocusedControl(now); });
}

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

ContentFit frmMain::FitContentToWindow() {
    const int status = mScale.px(STATUSBAR_HEIGHT);
    const QSize area(width(), std::max(0, height() - status));
    const QSize least(mDesignedMinimum.width(), std::max(0, mDesignedMinimum.height() - status));
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    mContentFit = FitContent(area, least, bar);
    mScroll = ClampScroll(mScroll, mContentFit);
    const QSignalBlocker quietRight(mScrollRight);
    const QSignalBlocker quietBottom(mScrollBottom);
    const struct {
        QScrollBar* bar;
        bool shown;
        QRect place;
        int range;
        int page;
        int value;
    } bars[] = {
        {mScrollRight, mContentFit.vertical,
         QRect(width() - bar, 0, bar, mContentFit.viewport.height()),
         mContentFit.content.height() - mContentFit.viewport.height(),
         mContentFit.viewport.height(), mScroll.y()},
        {mScrollBottom, mContentFit.horizontal,
         QRect(0, area.height() - bar, mContentFit.viewport.width(), bar),
         mContentFit.content.width() - mContentFit.viewport.width(), mContentFit.viewport.width(),
         mScroll.x()},
    };
    for (const auto& b : bars) {
        if (b.shown) {
            b.bar->setGeometry(b.place);
            b.bar->setRange(0, std::max(0, b.range));
            b.bar->setPageStep(std::max(1, b.page));
            b.bar->setSingleStep(mScale.px(STATUSBAR_HEIGHT));
            b.bar->setValue(b.value);
        }
        if (b.bar->isHidden() == b.shown) b.bar->setVisible(b.shown);
    }
    return mContentFit;
}

// Over every control of the content, the toolbar and the floating texts included.
void frmMain::RaiseContentBars() {
    for (QScrollBar* bar : {mScrollRight, mScrollBottom}) {
        if (!bar->isHidden()) bar->raise();
    }
}

void frmMain::ScrollContentTo(QPoint offset) {
    offset = ClampScroll(offset, mContentFit);
    if (offset == mScroll) return;
    const QPoint delta = offset - mScroll;
    mScroll = offset;
    // Every control of the content is the window's own child: all move by the same amount, the
    // status bar and the bars themselves stay.
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow() || widget == picStatusBar ||
            widget == mScrollRight || widget == mScrollBottom) {
            continue;
        }
        widget->move(widget->pos() - delta);
    }
    const QSignalBlocker quietRight(mScrollRight);
    const QSignalBlocker quietBottom(mScrollBottom);
    mScrollRight->setValue(mScroll.y());
    mScrollBottom->setValue(mScroll.x());
}

void frmMain::ShowFocusedControl(QWidget* focused) {
    if (focused == nullptr || focused->window() != this || focused == this) return;
    if (!mContentFit.horizontal && !mContentFit.vertical) return;
    if (focused == picStatusBar || picStatusBar->isAncestorOf(focused)) return;
    // In the content's own coordinates, where the scroll offset is measured.
    const QRect place =
        QRect(focused->mapTo(this, QPoint(0, 0)), focused->size()).translated(mScroll);
    const int margin = mScale.px(kFocusMargin);
    const QPoint wanted(
        ScrollToShow(mScroll.x(), place.x(), place.width(), mContentFit.viewport.width(), margin),
        ScrollToShow(mScroll.y(), place.y(), place.height(), mContentFit.viewport.height(),
                     margin));
    ScrollContentTo(wanted);
}

int frmMain::ContentFoot() const {
    if (!mContentFit.content.isValid()) return height() - mScale.px(STATUSBAR_HEIGHT);
    return mContentFit.content.height() - mScroll.y();
}

void frmMain::wheelEvent(QWheelEvent* event) {
    QScrollBar* bar = mContentFit.vertical     ? mScrollRight
                      : mContentFit.horizontal ? mScrollBottom
                                               : nullptr;
    if (bar == nullptr) {
        QWidget::wheelEvent(event);
        return;
    }
    QCoreApplication::sendEvent(bar, event);
}

}  // namespace mindrova
