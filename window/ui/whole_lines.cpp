#include "window/ui/whole_lines.h"

#include <QFontMetrics>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace mindrova {

void ShowWholeLines(QScrollArea& area, const QLabel& text, int room) {
    const int line = std::max(1, QFontMetrics(text.font()).lineSpacing());
    QScrollBar* bar = area.verticalScrollBar();
    if (bar->singleStep() != line) bar->setSingleStep(line);
    // The text wraps beside the scroll bar it will have.
    const int barWidth = area.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar);
    const int needed = text.heightForWidth(std::max(1, area.width() - barWidth));
    const int height = needed > room ? std::max(line, room / line * line) : room;
    if (area.height() != height) area.resize(area.width(), height);
}

}  // namespace mindrova
