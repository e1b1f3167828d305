#pragma once
// The session window's saved position: five named numbers under the program's settings key,
// written when the window closes and applied once while it loads. All lengths are twips.

#include <QRect>
#include <QSizeF>
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <vector>

#include "window/twips.h"
#include "window/window_layout.h"

namespace mindrova {

enum class SavedWindowState : qint32 { Normal = 0, Minimized = 1, Maximized = 2 };

// The window as it closes: outer geometry in twips and its state.
struct SavedWindow {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    SavedWindowState state = SavedWindowState::Normal;
    // False where the platform gives windows no place on the desktop (Wayland): left and top
    // are then only what the window asked for, or a place relative to its own surface.
    bool placeKnown = true;
};

// Whether a window's place on the screen means anything: a Wayland client has no global
// position, the compositor places it.
bool PlatformPlacesWindows(QStringView platformName);

// Minimized wins over maximized (a maximized window that is minimized carries both flags); full
// screen counts as maximized.
SavedWindowState StateOf(Qt::WindowStates states);
SavedWindow SavedWindowOf(const QRect& frameGeometry, Qt::WindowStates states,
                          const TwipScale& scale);

// Half to even, clamped to the 32-bit range; not-a-number gives 0.
qint32 StoredTwips(double twips);

// True when a position is present (the stored width is greater than 0). Missing or unreadable
// values read as 0; a failure reports no position.
bool FormPos_Read(qint32& left, qint32& top, qint32& width, qint32& height, qint32& windowState);

// Writes Left/Top/Width/Height unless maximized, then State; without a known place Left and Top
// are kept as the file has them, so that a place saved in an X11 session is not replaced by a
// Wayland one that means nothing there. The caller does not save a
// minimized window at all; should one arrive anyway nothing is written, so that the minimized
// placement never replaces the last real one.
void FormPos_Save(const SavedWindow& window);

// What FormPos_Read delivered.
struct StoredPosition {
    qint32 left = 0;
    qint32 top = 0;
    qint32 width = 0;
    qint32 height = 0;
    qint32 windowState = 0;
    bool present = false;
    // Left and Top are both in the file; a size saved without them (on Wayland) has no place.
    bool placeKnown = true;
};
StoredPosition ReadStoredPosition();

struct WindowPlacement {
    TwipRect geometry;
    bool maximize = false;
    bool operator==(const WindowPlacement&) const = default;
};

// A stored position is applied exactly as stored, even off every screen; without one the window
// keeps its size and is centred on the screen. A stored size without a place is centred.
WindowPlacement PlaceWindow(const StoredPosition& stored, const QSizeF& screen,
                            const TwipRect& window);

// The screens the window can be shown on, in twips.
struct ScreenAreas {
    std::vector<TwipRect> screens;  // each screen's whole area
    TwipRect primaryAvailable;      // the primary screen less its panels and task bars
};

// A stored place that lies on no screen (a monitor unplugged since the window closed) is centred
// on the primary screen's available area, shrunk to fit it; a place even partly on a screen
// stays. What counts is the part the window really covers: it opens at no more than
// openingSize. Without any screen known the place stays.
TwipRect KeepOnAScreen(const TwipRect& placed, const ScreenAreas& areas, const QSizeF& openingSize);

QString SetFormPositionStartLine(const QSizeF& screen, const TwipRect& window);
QString SetFormPositionEndLine(const TwipRect& window, const StoredPosition& stored);

// What SetFormPosition needs from the window, in twips.
class PositionedWindow {
public:
    virtual ~PositionedWindow() = default;
    virtual QSizeF ScreenSize() const = 0;
    virtual TwipRect OuterGeometry() const = 0;
    virtual void SetOuterGeometry(const TwipRect& geometry) = 0;
    virtual void Maximize() = 0;
    // Where the screens are; no screens means the stored place is applied as it is.
    virtual ScreenAreas Screens() const { return {}; }
};

// Reads the stored position and applies it, or centres the window; traced and trapped.
void SetFormPosition(PositionedWindow& window);

}  // namespace mindrova
