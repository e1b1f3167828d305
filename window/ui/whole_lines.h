#pragma once
// Instructions that scroll show whole lines: where the text is taller than its room, the area
// that scrolls it is cut to a whole number of lines, and each step of its scroll bar is a line,
// so that no line stands cut in half at the area's foot.

class QLabel;
class QScrollArea;

namespace mindrova {

// `room` is the height the window's layout gives the area, in pixels.
void ShowWholeLines(QScrollArea& area, const QLabel& text, int room);

}  // namespace mindrova
