#pragma once
// The program's start: the second-copy question, the process-wide helpers, the session window.

#include <QPointer>
#include <functional>
#include <memory>

#include "window/ui/window_services.h"

namespace mindrova {

class frmMain;
class WindowJournal;

// The one session window; it deletes itself when it closes.
extern QPointer<frmMain> MainWindowRef;

enum class StartupOutcome {
    WindowShown,         // run the event loop
    SecondCopyDeclined,  // the user chose not to run another copy: end quietly
    WindowFailed,        // the session window could not be made; reported once
};

// What the session window is handed: the About box, the contact page, the dialogs, the user's
// own sessions and the desktop, which live above it, and journal's menu items.
SessionWindowServices MakeSessionWindowServices(const std::shared_ptr<WindowJournal>& journal);

// What the process returns when start-up does not reach the event loop.
int ExitCodeFor(StartupOutcome outcome);

StartupOutcome Main();

// Main with the session window made by createWindow from the services it is handed, so a
// failing window can be tried.
StartupOutcome StartUp(const std::function<frmMain*(SessionWindowServices)>& createWindow);

}  // namespace mindrova
