// The session window's events: activation, the frame and the screen it is on, clicks that move the
// session on and the keys it sees before the focused control.
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "window/ui/frm_main.h"
#include "window/ui/progress_panel.h"

namespace mindrova {

void frmMain::AdvanceOnClick() {
    mController.Next();
}

bool frmMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) mController.Form_Activate();
    const bool handled = QWidget::event(event);
    // Another screen may have another scale.
    if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Show) {
        FollowScreenDpi();
    }
    // The window manager tells the frame's size only after the window is shown, sometimes a
    // little later: the opening outer size is applied again when a frame first appears, so that
    // the frame is counted in it. The user's own first move or key ends the watch.
    switch (event->type()) {
        case QEvent::Show:
            // The frame is known now, and with it the room the screen has for the client.
            ApplyMinimumSize();
            if (mOpeningSizePending) {
                mOpeningSizePending = false;
                mWatchFrame = !isMaximized() && !isFullScreen();
                if (mWatchFrame) ApplyOpeningSize();
            }
            // A program just started takes the focus, also where no window manager gives it;
            // a window restored maximized needs it as much as one of the opening size.
            if (mStartActivationPending) {
                mStartActivationPending = false;
                activateWindow();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
            FitAfterRestore();
            if (mWatchFrame && frameGeometry().size() != size()) {
                mWatchFrame = false;
                if (!isMaximized()) ApplyOpeningSize();
            }
            break;
        case QEvent::WindowStateChange:
            mWatchFrame = false;
            // The restored size arrives after the change of state.
            if (mFitAfterRestore) QTimer::singleShot(0, this, [this] { FitAfterRestore(); });
            // A size that changed while minimized (by the window manager or the screen) has not
            // been laid out yet.
            if (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized &&
                !isMinimized()) {
                ArrangeControls();
                // Nor may that size have left the window on no screen at all.
                if (!isMaximized() && !isFullScreen()) {
                    const TwipRect outer = mGeometry.OuterGeometry();
                    const TwipRect kept = KeepOnAScreen(outer, mGeometry.Screens(),
                                                        QSizeF(outer.width, outer.height));
                    if (kept.left != outer.left || kept.top != outer.top) {
                        mGeometry.MoveTo(kept.left, kept.top);
                    }
                }
            }
            break;
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
            mWatchFrame = false;
            break;
        default:
            break;
    }
    return handled;
}

void frmMain::mouseReleaseEvent(QMouseEvent* event) {
    // Releases that the bars, the clock or a disabled button pass on to the window are not
    // clicks on its background; only the bare window between the bars advances.
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && rect().contains(at) && childAt(at) == nullptr &&
        !mDoubleClickPending) {
        AdvanceOnClick();
    }
    QWidget::mouseReleaseEvent(event);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // A mnemonic (Alt + the underlined letter) clicks its button at once and only once.
    if (event->type() == QEvent::Shortcut) {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button && button->window() == this && button->isEnabled() &&
            button->isVisibleTo(this)) {
            button->setFocus(Qt::ShortcutFocusReason);
            button->click();
            return true;
        }
    }
    if (event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Control) {
        mResumedByCtrl = false;
    }
    // Key preview: the window sees every key of its own widgets before the focused one does.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        return Form_KeyDown(*static_cast<QKeyEvent*>(event));
    }
    // The second press of a double-click is not a second click on the advancing places: it
    // must not skip the step that the first click entered.
    if (event->type() == QEvent::MouseButtonPress) mDoubleClickPending = false;
    if (event->type() == QEvent::MouseButtonDblClick && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        mDoubleClickPending = true;
    }
    // The option frames take their clicks, so that a click beside an option never reaches the
    // panel behind and moves the session on.
    if ((watched == fraMode || watched == fraSUD_2) &&
        (event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonRelease)) {
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && mClickTargets.contains(watched)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        if (mouse->button() != Qt::LeftButton ||
            !widget->rect().contains(mouse->position().toPoint())) {
            return false;
        }
        for (int i = 0; i < SUD_OPTION_COUNT; ++i) {
            if (watched == lblSUDUnit[i]) {
                mController.lblSUDUnit_Click(i);
                mProgress->RatingChosen();
                return true;
            }
        }
        if (!mDoubleClickPending) AdvanceOnClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace mindrova
