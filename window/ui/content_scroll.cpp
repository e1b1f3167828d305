#include "window/ui/content_scroll.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>

#include "window/window_layout.h"

namespace mindrova {
namespace {

// A control scrolled into view keeps this much room beside it where the view has it.
constexpr double kFocusMargin = 120;

}  // namespace

ContentScroll::ContentScroll(QWidget& window, QWidget& statusBar, const TwipScale& scale)
    : mWindow(window), mStatusBar(statusBar), mScale(scale) {
    mRight = new QScrollBar(Qt::Vertical, &window);
    mRight->setObjectName(QStringLiteral("scrContentVertical"));
    mBottom = new QScrollBar(Qt::Horizontal, &window);
    mBottom->setObjectName(QStringLiteral("scrContentHorizontal"));
    for (QScrollBar* bar : {mRight, mBottom}) {
        // The keyboard reaches every control by Tab, which scrolls it into view; the bars are
        // for the mouse.
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setHidden(true);
    }
    mRight->setAccessibleName(tr("Scroll the window up and down"));
    mBottom->setAccessibleName(tr("Scroll the window left and right"));
    connect(mRight, &QScrollBar::valueChanged, this,
            [this](int value) { ScrollTo(QPoint(mOffset.x(), value)); });
    connect(mBottom, &QScrollBar::valueChanged, this,
            [this](int value) { ScrollTo(QPoint(value, mOffset.y())); });
    mFocusConnection = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget*, QWidget* now) { ShowFocusedControl(now); });
}

ContentScroll::~ContentScroll() {
    StopFollowingFocus();
}

void ContentScroll::StopFollowingFocus() {
    disconnect(mFocusConnection);
}

const ContentFit& ContentScroll::Fit(QSize designedMinimum) {
    const int status = mScale.px(STATUSBAR_HEIGHT);
    const QSize area(mWindow.width(), std::max(0, mWindow.height() - status));
    const QSize least(designedMinimum.width(), std::max(0, designedMinimum.height() - status));
    const int bar = mWindow.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &mWindow);
    mFit = FitContent(area, least, bar);
    mOffset = ClampScroll(mOffset, mFit);
    const QSignalBlocker quietRight(mRight);
    const QSignalBlocker quietBottom(mBottom);
    const struct {
        QScrollBar* bar;
        bool shown;
        QRect place;
        int range;
        int page;
        int value;
    } bars[] = {
        {mRight, mFit.vertical, QRect(mWindow.width() - bar, 0, bar, mFit.viewport.height()),
         mFit.content.height() - mFit.viewport.height(), mFit.viewport.height(), mOffset.y()},
        {mBottom, mFit.horizontal, QRect(0, area.height() - bar, mFit.viewport.width(), bar),
         mFit.content.width() - mFit.viewport.width(), mFit.viewport.width(), mOffset.x()},
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
    return mFit;
}

void ContentScroll::RaiseBars() {
    for (QScrollBar* bar : {mRight, mBottom}) {
        if (!bar->isHidden()) bar->raise();
    }
}

void ContentScroll::ScrollTo(QPoint offset) {
    offset = ClampScroll(offset, mFit);
    if (offset == mOffset) return;
    const QPoint delta = offset - mOffset;
    mOffset = offset;
    // Every control of the content is the window's own child: all move by the same amount, the
    // status bar and the bars themselves stay.
    for (QObject* child : mWindow.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow() || widget == &mStatusBar || widget == mRight ||
            widget == mBottom) {
            continue;
        }
        widget->move(widget->pos() - delta);
    }
    const QSignalBlocker quietRight(mRight);
    const QSignalBlocker quietBottom(mBottom);
    mRight->setValue(mOffset.y());
    mBottom->setValue(mOffset.x());
}

void ContentScroll::ShowFocusedControl(QWidget* focused) {
    if (focused == nullptr || focused->window() != &mWindow || focused == &mWindow) return;
    if (!mFit.horizontal && !mFit.vertical) return;
    if (focused == &mStatusBar || mStatusBar.isAncestorOf(focused)) return;
    // In the content's own coordinates, where the scroll offset is measured.
    const QRect place =
        QRect(focused->mapTo(&mWindow, QPoint(0, 0)), focused->size()).translated(mOffset);
    const int margin = mScale.px(kFocusMargin);
    const QPoint wanted(
        ScrollToShow(mOffset.x(), place.x(), place.width(), mFit.viewport.width(), margin),
        ScrollToShow(mOffset.y(), place.y(), place.height(), mFit.viewport.height(), margin));
    ScrollTo(wanted);
}

int ContentScroll::Foot() const {
    if (!mFit.content.isValid()) return mWindow.height() - mScale.px(STATUSBAR_HEIGHT);
    return mFit.content.height() - mOffset.y();
}

bool ContentScroll::Wheel(QWheelEvent& event) {
    QScrollBar* bar = mFit.vertical ? mRight : mFit.horizontal ? mBottom : nullptr;
    if (bar == nullptr) return false;
    QCoreApplication::sendEvent(bar, &event);
    return true;
}

}  // namespace mindrova
