#include "journal/ui/journal_chart_marks.h"

#include <QCoreApplication>

namespace mindrova {

RatingChange ChangeOf(const JournalEntry& session) {
    const int last = session.lastRating();
    if (last < session.firstRating) return RatingChange::Lower;
    if (last > session.firstRating) return RatingChange::Higher;
    return RatingChange::Same;
}

ChartMarkColours ChartMarkColoursOn(const QColor& background) {
    if (background.lightness() >= 128) {
        // Qt Charts' light theme draws on white whatever the palette: these hold on white.
        return {QColor(0x4a, 0x50, 0x58), QColor(0x1b, 0x7a, 0x2f), QColor(0xb7, 0x1c, 0x1c),
                QColor(0x1f, 0x4e, 0x8c), 3};
    }
    if (background == Qt::black) {
        return {QColor(Qt::white), QColor(0, 255, 0), QColor(255, 140, 0), QColor(255, 255, 0), 4};
    }
    return {QColor(0xd8, 0xdc, 0xe2), QColor(0x6b, 0xdb, 0x84), QColor(0xff, 0x8f, 0x85),
            QColor(0x9c, 0xc4, 0xff), 3};
}

QString ChartChangesSummary(const QList<JournalEntry>& sessions) {
    if (sessions.isEmpty()) return {};
    int lower = 0;
    int higher = 0;
    int same = 0;
    for (const JournalEntry& e : sessions) {
        switch (ChangeOf(e)) {
            case RatingChange::Lower:
                ++lower;
                break;
            case RatingChange::Higher:
                ++higher;
                break;
            case RatingChange::Same:
                ++same;
                break;
        }
    }
    const JournalEntry& newest = sessions.constLast();
    return QCoreApplication::translate("mindrova::JournalChart",
                                       "Lower at the end: %1, higher: %2, the same: %3. The "
                                       "newest went from %4 to %5.")
        .arg(lower)
        .arg(higher)
        .arg(same)
        .arg(newest.firstRating)
        .arg(newest.lastRating());
}

}  // namespace mindrova
