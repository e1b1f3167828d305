#pragma once
// The session window on a screen smaller than its designed smallest size: the window asks for no
// more than the screen has, and its content (everything but the status bar) keeps the designed
// size and scrolls. The content is not put into a scroll area: its controls stay the window's
// own, so that at every size the design holds the window is exactly as before, and a click on
// its bare background still reaches the window. The bars only show where the window is smaller.

#include <QObject>
#include <QPoint>
#include <QSize>

#include "window/twips.h"
#include "window/window_shortfall.h"

class QScrollBar;
class QWheelEvent;
class QWidget;

namespace mindrova {

class ContentScroll : public QObject {
    Q_OBJECT
public:
    // window: whose children are the content, but for statusBar, which stays at its foot; scale:
    // the window's, as it follows its screen.
    ContentScroll(QWidget& window, QWidget& statusBar, const TwipScale& scale);
    ~ContentScroll() override;

    // Which bars show and the size the content is laid out at, for the window's size now and the
    // client size at which every control has room.
    const ContentFit& Fit(QSize designedMinimum);
    const ContentFit& fit() const { return mFit; }
    // How far the content is turned, in pixels.
    QPoint offset() const { return mOffset; }
    // Over every control of the content, the toolbar and the floating texts included.
    void RaiseBars();
    // Where the content's lower edge (the status bar's upper edge as designed) lies in the
    // window: the window's status bar, unless the content is taller than the window shows.
    int Foot() const;
    // The window goes: a focus moving as its controls go is no longer followed.
    void StopFollowingFocus();
    // The wheel turns the content where a bar shows; returns whether it did.
    bool Wheel(QWheelEvent& event);

private:
    void ScrollTo(QPoint offset);
    // A control that takes the keyboard focus is scrolled into view.
    void ShowFocusedControl(QWidget* focused);

    QWidget& mWindow;
    QWidget& mStatusBar;
    const TwipScale& mScale;
    ContentFit mFit;
    QPoint mOffset;
    QScrollBar* mRight = nullptr;   // "scrContentVertical"
    QScrollBar* mBottom = nullptr;  // "scrContentHorizontal"
    QMetaObject::Connection mFocusConnection;
};

}  // namespace mindrova
