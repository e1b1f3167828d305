#pragma once
// How the journal chart marks each session: its first and last rating as one pair, joined by a
// bar, the last one an arrow head pointing the way the rating went, in a colour that says better
// or worse. The shape carries the meaning as well as the colour, for those who cannot tell them.

#include <QColor>
#include <QList>
#include <QString>

#include "journal/journal_entry.h"

namespace mindrova {

// Lower at the end is better: the distress went down.
enum class RatingChange { Lower, Higher, Same };

RatingChange ChangeOf(const JournalEntry& session);

// The marks' colours on a chart background, each at least 3:1 against it: on white, on a dark
// background, and on black (the high-contrast look, bright and wide).
struct ChartMarkColours {
    QColor first;
    QColor lower;
    QColor higher;
    QColor same;
    qreal barWidth = 3;
};
ChartMarkColours ChartMarkColoursOn(const QColor& background);

// The chart in words, for a screen reader: how many sessions ended lower, higher and the same,
// and the newest session's two ratings. Empty when there are no sessions.
QString ChartChangesSummary(const QList<JournalEntry>& sessions);

}  // namespace mindrova
