#pragma once
// What a person would call a broken layout, found in a window's widgets: a shown control lying
// partly outside the window (or outside the part of its container that shows it, unless that
// container scrolls), two shown texts drawn over each other, a text cut or elided. The layout
// tests ask it about the session window at every step and size; the screen-matrix acceptance
// test asks the running program through its layout probe.

#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

namespace mindrova {

// One line per problem, naming the controls by object name (or class and text). Empty when the
// window shows nothing wrong. A non-empty `screen` (global coordinates) also counts a control
// outside the screen.
QStringList LayoutProblems(const QWidget* window, const QRect& screen = QRect());

}  // namespace mindrova
