// The session window closing, whichever way: the session ends, the window's place is saved, the
// other windows close, and the parts let go of what still sounds when the program ends with it.
#include <QApplication>
#include <QCloseEvent>

#include "support/error_trap.h"
#include "support/file_system_helper.h"
#include "window/ui/frm_main.h"
#include "window/window_shortfall.h"

namespace mindrova {

void frmMain::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    Form_Unload();
    QWidget::closeEvent(event);
    if (event->isAccepted()) emit closed();
}

bool frmMain::Abandon() {
    bool leftRunning = false;
    for (const auto& part : mParts) leftRunning = part->Abandon() || leftRunning;
    return leftRunning;
}

void frmMain::Form_QueryUnload() {
    mController.EndSession();
    FileSystemHelper.reset();
}

// Each step runs even when one before it failed: a failure never keeps the window open.
void frmMain::Form_Unload() {
    // FormPos_Save traps its own failures.
    if (!isMinimized()) {
        SavedWindow saved = SavedWindowOf(frameGeometry(), windowState(), mScale);
        saved.placeKnown = PlatformPlacesWindows(QGuiApplication::platformName());
        // A window the screen forced below its designed size is saved at the designed size, so
        // that a start on a screen that holds the design never opens it cut (SavedWithinDesign).
        const TwipSize designed = mGeometry.OuterSizeOf(mDesignedMinimum);
        saved = SavedWithinDesign(saved, designed.width, designed.height);
        FormPos_Save(saved);
    }
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        QWidget* other = *it;
        if (other == this || !other->isVisible()) continue;
        Trap({"frmMain", "Form_Unload"}, [&] { other->close(); });
    }
}

}  // namespace mindrova
