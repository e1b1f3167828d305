#pragma once
// How the program ends: once its session window has closed, whichever way (Alt+X, the Exit
// button or menu item, the close box), and within a bounded time whatever the speech engine is
// doing. Only the executable wires this: it ends the event loop and, at the last, the process.

#include <functional>

namespace mindrova {

class frmMain;

// Longest time from the window's close to the end of the process. The settings are already
// written by then; the journal's last entry, on a thread of its own, has until then to finish.
inline constexpr int PROGRAM_END_DEADLINE_MS = 1500;

// What ending does. Tests give stand-ins that record, so their process goes on.
struct ProgramEnd {
    std::function<void(int exitCode)> endEventLoop;
    std::function<void(int exitCode, int ms)> armDeadline;
};

// QCoreApplication::exit and ArmProcessEndDeadline.
ProgramEnd ProcessEnd();

// When window has closed, its voice lets go of the engine, the deadline starts and the event
// loop ends with exit code 0. The event loop is not left to end by itself: a nested event loop
// (a speech engine brought to rest) drops the quit Qt posts after the last window closed.
void EndProgramWithWindow(frmMain& window, ProgramEnd end = ProcessEnd());

// Whether the window's voice left a speech engine running when it closed. Its thread goes on
// with the engine's work while the application is taken down, and the engine's audio output
// does not survive the audio library's clean-up there: the process then ends (EndProcess) while
// the application is still whole.
bool SpeechEngineLeftRunning();

// The last step of the program, once its windows are gone (and the application too, unless a
// speech engine was left running): gives up the instance lock, writes out what the standard
// streams hold and ends the process with exitCode, without the libraries' own clean-up at exit:
// the audio library's waits there for the audio thread of an engine left running, which may
// never answer.
[[noreturn]] void EndProcess(int exitCode);

// From now, ms at most until the process is gone: after that it is ended with exitCode, whatever
// still runs (a destructor waiting on an engine, a thread that does not finish). Returns at once;
// a process that ends sooner ends as it would have.
void ArmProcessEndDeadline(int exitCode, int ms);

}  // namespace mindrova
