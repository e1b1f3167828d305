#pragma once
// Work the opening window need not wait for (the window's icon, loading an engine, asking the
// desktop): run once the window has first been painted.

#include <functional>

class QWidget;

namespace mindrova {

// Runs work once, after the paint that answers the window's first expose; at once (queued) where
// the window is already showing. Nothing runs if the window goes first.
void AfterFirstPaint(QWidget& window, std::function<void()> work);

}  // namespace mindrova
