#pragma once
// A shown, activated session window for widget tests, and the dialogs it may leave open.

#include <QApplication>

#include "session_window/frm_main.h"
#include "session_window/frm_shortcuts.h"
#include "support/qt_application.h"

namespace mindrova::testing {

inline frmMain* OpenSessionWindow() {
    Application();
    auto* window = new frmMain;
    window->show();
    QApplication::setActiveWindow(window);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activate);
    return window;
}

inline void CloseSessionWindow(frmMain* window) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<frmShortcuts*>(w)) delete w;
    }
    delete window;
}

}  // namespace mindrova::testing
