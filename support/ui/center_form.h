#pragma once
// Centres a window on the usable area (without task bars, docks and the room kept for panels the
// platform hides) of the screen it is on.

class QWidget;

namespace mindrova {

// Size unchanged. A window larger than that area keeps its top-left corner on the screen, so its
// title bar stays reachable.
void CenterForm(QWidget& window);

}  // namespace mindrova
