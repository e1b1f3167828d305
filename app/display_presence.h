#pragma once
// Whether the program can reach a display at all, answered before QApplication exists: Qt ends
// the process with an abort and a long message about its plugins when the platform it chooses
// finds no display, which tells a person nothing they can act on.

#include <QProcessEnvironment>
#include <QStringList>

namespace mindrova {

// The one line said when no display can be reached, in the language the window would speak.
QString NoDisplayMessage();

// False when every platform Qt would try (the -platform argument, else QT_QPA_PLATFORM, else the
// desktop's X11 or Wayland) needs a display and finds none named. A platform that needs no
// display (offscreen, minimal, vnc, a framebuffer) always counts as reachable; so does one whose
// display is named but perhaps not running, which Qt reports itself.
bool DisplayReachable(const QStringList& arguments, const QProcessEnvironment& environment);

}  // namespace mindrova
