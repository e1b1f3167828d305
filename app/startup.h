#pragma once
// The program's start: the second-copy question, the process-wide helpers, the session window.

#include <QPointer>
#include <functional>

namespace mindrova {

class frmMain;

// The one session window; it deletes itself when it closes.
extern QPointer<frmMain> MainWindowRef;

enum class StartupOutcome {
    WindowShown,         // run the event loop
    SecondCopyDeclined,  // the user chose not to run another copy: end quietly
    WindowFailed,        // the session window could not be made; reported once
};

// Lets the session window open the About box and the contact page, which live above it.
void InstallSessionWindowServices();

// What the process returns when start-up does not reach the event loop.
int ExitCodeFor(StartupOutcome outcome);

StartupOutcome Main();

// Main with the session window made by createWindow, so a failing window can be tried.
StartupOutcome StartUp(const std::function<frmMain*()>& createWindow);

}  // namespace mindrova
