#pragma once
// What the session window asks of the application around it. The application fills these in and
// hands them to the window it makes; an empty one does nothing (the About item, the Feedback
// button and Session options stay quiet), so tests give only what they drive.

#include <QString>
#include <functional>
#include <vector>

#include "window/ui/window_part.h"

class QWidget;

namespace mindrova {

struct SessionWindowServices {
    // Runs the About box modally and returns when it has closed.
    std::function<void()> showAbout;
    // Opens the maker's contact page; owner carries the box that says when it could not.
    std::function<void(QWidget* owner)> openFeedbackPage;
    // Runs the Session options dialog modally; true when it saved new choices to the settings file.
    std::function<bool(QWidget* owner)> showSessionOptionsDialog;
    // The features' parts of the window (the journal's items, spoken guidance, the display
    // choices, the row of the user's own sessions), made in this order once its controls and
    // menu exist; their menu items follow the window's own in the same order.
    std::vector<WindowPartMaker> parts;
};

}  // namespace mindrova
