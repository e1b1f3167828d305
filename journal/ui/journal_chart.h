#pragma once
// The chart of one issue's sessions: each session its own place along the bottom, oldest on the
// left, however close in time, labelled by its date and time wherever a label fits whole; the
// first and last rating of each on a 0 to 10 scale with every whole number labelled, drawn as one
// pair at the session's place (see journal_chart_marks.h), with a key to the marks beside it.

#include <QChartView>
#include <QList>

#include "journal/journal_entry.h"

class QCategoryAxis;

namespace mindrova {

// Where the sessions sit and which of them carry a label.
struct SessionAxisLayout {
    qreal from = -0.5;  // the axis range, in session numbers (0 is the oldest)
    qreal to = 0.5;
    QList<int> labelled;  // ascending; the newest session always, when any label fits
};

// For count sessions on an axis axisWidth pixels wide whose labels are labelWidth wide: the
// newest session and every step-th before it, the smallest step at which every label fits whole
// and no two touch; room at both ends for half a label, so that none runs off the plot.
SessionAxisLayout LayOutSessionAxis(int count, qreal axisWidth, qreal labelWidth);

class JournalChart : public QChartView {
public:
    explicit JournalChart(QWidget* parent = nullptr);

    // The sessions of one issue, oldest first.
    void ShowSessions(const QList<JournalEntry>& sessions);
    const QList<JournalEntry>& Sessions() const { return mSessions; }

protected:
    // The pairs and their key, over the chart: two series of lines from one session to the next
    // would read as a trend between sessions, and two sessions would draw an X.
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    QColor MarksBackground() const;
    qreal MarkSize() const;
    qreal KeyWidth() const;
    void DrawKey(QPainter* painter) const;
    void PlaceSessionLabels();
    QString SessionLabel(int index) const;

    QList<JournalEntry> mSessions;
    QString mTimeFormat;
    QCategoryAxis* mSessionAxis = nullptr;
    SessionAxisLayout mPlaced;
};

}  // namespace mindrova
