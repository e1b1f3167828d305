#pragma once
// Dialog sizes within the screen: the room a dialog may take (the screen's usable area, which
// leaves the desktop's panels their room where the platform hides them, less a window frame and
// title), and the opening size of a dialog whose content can use more room than it needs.

#include <QSize>

class QWidget;

namespace mindrova {

// The room for a dialog's client area on the screen it is on (or the primary screen); empty
// without any screen.
QSize DialogRoom(const QWidget* dialog);

// As wide as so many characters of its text, within the room, never below what its layout needs.
void FitOpeningSize(QWidget* dialog, int widthInCharacters);

// A dialog about to be shown gets the size it would take by itself, no larger than its room (a
// layout's own minimum still holds).
void FitIntoRoom(QWidget* dialog);

}  // namespace mindrova
