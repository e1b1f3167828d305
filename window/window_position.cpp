#include "window/window_position.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "support/error_trap.h"
#include "support/settings_store.h"
#include "support/trace_log.h"

namespace mindrova {
namespace {

QString PositionKey() {
    return QString(PROGRAM_KEY) + WINDOW_POSITION_SUBKEY;
}

qint32 ReadValue(const char* name) {
    return ReadDWordValue(RegistryRoot::HKEY_CURRENT_USER, PositionKey(), QString::fromLatin1(name),
                          0);
}

void SaveValue(const char* name, qint32 value) {
    // The status is not looked at: a position that could not be saved only means the window
    // opens centred next time.
    SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER, PositionKey(), QString::fromLatin1(name),
                   value);
}

// Whole twips print without a fraction; other values with up to two decimals.
QString TwipText(double twips) {
    if (!std::isfinite(twips)) return QString::number(twips);
    QString text = QString::number(twips, 'f', 2);
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    if (text == u"-0") text = QStringLiteral("0");
    return text;
}

QString GeometryText(const TwipRect& window) {
    return QStringLiteral("Me.Left = ") + TwipText(window.left) + QStringLiteral(", Me.Top = ") +
           TwipText(window.top) + QStringLiteral(", Me.Width = ") + TwipText(window.width) +
           QStringLiteral(", Me.Height = ") + TwipText(window.height);
}

}  // namespace

SavedWindowState StateOf(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) return SavedWindowState::Minimized;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) return SavedWindowState::Maximized;
    return SavedWindowState::Normal;
}

SavedWindow SavedWindowOf(const QRect& frameGeometry, Qt::WindowStates states,
                          const TwipScale& scale) {
    const TwipRect frame = scale.twips(frameGeometry);
    return {frame.left, frame.top, frame.width, frame.height, StateOf(states)};
}

bool PlatformPlacesWindows(QStringView platformName) {
    return !platformName.startsWith(u"wayland");
}

qint32 StoredTwips(double twips) {
    if (std::isnan(twips)) return 0;
    const double rounded = RoundTwips(twips);
    if (rounded <= std::numeric_limits<qint32>::min()) return std::numeric_limits<qint32>::min();
    if (rounded >= std::numeric_limits<qint32>::max()) return std::numeric_limits<qint32>::max();
    return static_cast<qint32>(rounded);
}

bool FormPos_Read(qint32& left, qint32& top, qint32& width, qint32& height, qint32& windowState) {
    bool present = false;
    Trap(TrapSite{"frmMain", "FormPos_Read"}, [&] {
        if (TraceEnabled) WriteLog(QStringLiteral("Start FormPos_Read"));
        left = ReadValue("Left");
        top = ReadValue("Top");
        width = ReadValue("Width");
        height = ReadValue("Height");
        windowState = ReadValue("State");
        if (TraceEnabled) {
            WriteLog(QStringLiteral("End FormPos_Read, Left = ") + QString::number(left) +
                     QStringLiteral(", Top = ") + QString::number(top) +
                     QStringLiteral(", Width = ") + QString::number(width) +
                     QStringLiteral(", Height = ") + QString::number(height) +
                     QStringLiteral(", WindowState = ") + QString::number(windowState));
        }
        present = width > 0;
    });
    return present;
}

void FormPos_Save(const SavedWindow& window) {
    Trap(TrapSite{"frmMain", "FormPos_Save"}, [&] {
        if (window.state == SavedWindowState::Minimized) return;
        if (window.state != SavedWindowState::Maximized) {
            if (window.placeKnown) {
                SaveValue("Left", StoredTwips(window.left));
                SaveValue("Top", StoredTwips(window.top));
            }
            SaveValue("Width", StoredTwips(window.width));
            SaveValue("Height", StoredTwips(window.height));
        }
        SaveValue("State", static_cast<qint32>(window.state));
    });
}

StoredPosition ReadStoredPosition() {
    StoredPosition stored;
    stored.present =
        FormPos_Read(stored.left, stored.top, stored.width, stored.height, stored.windowState);
    if (stored.present) {
        Trap(TrapSite{"frmMain", "FormPos_Read"}, [&] {
            for (const char* name : {"Left", "Top"}) {
                if (!ValueStored(RegistryRoot::HKEY_CURRENT_USER, PositionKey(),
                                 QString::fromLatin1(name))) {
                    stored.placeKnown = false;
                }
            }
        });
    }
    return stored;
}

WindowPlacement PlaceWindow(const StoredPosition& stored, const QSizeF& screen,
                            const TwipRect& window) {
    if (stored.present && !stored.placeKnown) {
        const double width = stored.width;
        const double height = stored.height;
        return {
            TwipRect{(screen.width() - width) / 2, (screen.height() - height) / 2, width, height},
            stored.windowState == static_cast<qint32>(SavedWindowState::Maximized)};
    }
    if (stored.present) {
        return {TwipRect{static_cast<double>(stored.left), static_cast<double>(stored.top),
                         static_cast<double>(stored.width), static_cast<double>(stored.height)},
                stored.windowState == static_cast<qint32>(SavedWindowState::Maximized)};
    }
    return {TwipRect{(screen.width() - window.width) / 2, (screen.height() - window.height) / 2,
                     window.width, window.height},
            false};
}

TwipRect KeepOnAScreen(const TwipRect& placed, const ScreenAreas& areas,
                       const QSizeF& openingSize) {
    if (areas.screens.empty()) return placed;
    const double coveredWidth = std::min(placed.width, openingSize.width());
    const double coveredHeight = std::min(placed.height, openingSize.height());
    for (const TwipRect& screen : areas.screens) {
        const double overlapWidth = std::min(placed.left + coveredWidth, screen.right()) -
                                    std::max(placed.left, screen.left);
        const double overlapHeight = std::min(placed.top + coveredHeight, screen.bottom()) -
                                     std::max(placed.top, screen.top);
        if (overlapWidth > 0 && overlapHeight > 0) return placed;
    }
    const TwipRect& area = areas.primaryAvailable;
    const double width = std::clamp(placed.width, 0.0, std::max(0.0, area.width));
    const double height = std::clamp(placed.height, 0.0, std::max(0.0, area.height));
    return {area.left + RoundTwips((area.width - width) / 2),
            area.top + RoundTwips((area.height - height) / 2), width, height};
}

QString SetFormPositionStartLine(const QSizeF& screen, const TwipRect& window) {
    return QStringLiteral("Start SetFormPosition, Screen.Width = ") + TwipText(screen.width()) +
           QStringLiteral(", Screen.Height = ") + TwipText(screen.height()) + QStringLiteral(", ") +
           GeometryText(window);
}

QString SetFormPositionEndLine(const TwipRect& window, const StoredPosition& stored) {
    return QStringLiteral("End SetFormPosition, ") + GeometryText(window) +
           QStringLiteral(", llngLeft = ") + QString::number(stored.left) +
           QStringLiteral(", llngTop = ") + QString::number(stored.top) +
           QStringLiteral(", llngWidth = ") + QString::number(stored.width) +
           QStringLiteral(", llngHeight = ") + QString::number(stored.height) +
           QStringLiteral(", llngWindowState = ") + QString::number(stored.windowState);
}

void SetFormPosition(PositionedWindow& window) {
    Trap(TrapSite{"frmMain", "SetFormPosition"}, [&] {
        const QSizeF screen = window.ScreenSize();
        if (TraceEnabled) WriteLog(SetFormPositionStartLine(screen, window.OuterGeometry()));
        const StoredPosition stored = ReadStoredPosition();
        WindowPlacement placement = PlaceWindow(stored, screen, window.OuterGeometry());
        if (stored.present) {
            placement.geometry = KeepOnAScreen(placement.geometry, window.Screens(),
                                               QSizeF(OPENING_OUTER_WIDTH, OPENING_OUTER_HEIGHT));
        }
        window.SetOuterGeometry(placement.geometry);
        if (placement.maximize) window.Maximize();
        if (TraceEnabled) WriteLog(SetFormPositionEndLine(window.OuterGeometry(), stored));
    });
}

}  // namespace mindrova
