#include "journal/ui/journal_chart.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QPainterPath>
#include <QTextDocument>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "journal/ui/journal_chart_marks.h"

namespace mindrova {
namespace {

// Qt Charts keeps this much space on each side of an axis label, and gives each label of an axis
// with n labels at most 1/(n + 1) of the axis, less that space, before it cuts it to "...".
constexpr qreal kLabelPadding = 4.0;
constexpr int kRatingSteps = 10;

// The size Qt Charts measures a label at: rich text with a half-pixel margin.
QSizeF LabelSize(const QFont& font, const QString& text) {
    QTextDocument document;
    document.setDocumentMargin(0.5);
    document.setDefaultFont(font);
    document.setHtml(text);
    return document.size();
}

QString KeyText(int row) {
    switch (row) {
        case 0:
            return QCoreApplication::translate("mindrova::JournalChart", "First rating");
        case 1:
            return QCoreApplication::translate("mindrova::JournalChart", "Last rating, lower");
        case 2:
            return QCoreApplication::translate("mindrova::JournalChart", "Last rating, higher");
        default:
            return QCoreApplication::translate("mindrova::JournalChart", "Last rating, the same");
    }
}
constexpr int kKeyRows = 4;

// The first rating: a ring, open so that a bar or a diamond shows through it.
void DrawRing(QPainter* painter, const QPointF& at, qreal size, const QColor& colour) {
    painter->setPen(QPen(colour, std::max(2.0, size / 5)));
    painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(at, size / 2, size / 2);
}

// The last rating: an arrow head whose tip is at the rating, pointing the way it went; a diamond
// where it stayed.
void DrawHead(QPainter* painter, const QPointF& tip, qreal size, RatingChange change,
              const QColor& colour) {
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    QPainterPath head;
    const qreal half = size * 0.6;
    if (change == RatingChange::Same) {
        head.moveTo(tip.x(), tip.y() - half);
        head.lineTo(tip.x() + half, tip.y());
        head.lineTo(tip.x(), tip.y() + half);
        head.lineTo(tip.x() - half, tip.y());
    } else {
        // Down the screen is a lower rating.
        const qreal away = change == RatingChange::Lower ? -size : size;
        head.moveTo(tip);
        head.lineTo(tip.x() - half, tip.y() + away);
        head.lineTo(tip.x() + half, tip.y() + away);
    }
    head.closeSubpath();
    painter->drawPath(head);
}

QColor ChangeColour(const ChartMarkColours& colours, RatingChange change) {
    switch (change) {
        case RatingChange::Lower:
            return colours.lower;
        case RatingChange::Higher:
            return colours.higher;
        case RatingChange::Same:
            break;
    }
    return colours.same;
}

void DrawPair(QPainter* painter, const QPointF& first, const QPointF& last, qreal size,
              RatingChange change, const ChartMarkColours& colours) {
    const QColor colour = ChangeColour(colours, change);
    if (change != RatingChange::Same) {
        // The bar runs from the ring to the base of the head, so neither hides it.
        const qreal toward = last.y() > first.y() ? 1 : -1;
        const QPointF from(first.x(), first.y() + toward * size / 2);
        const QPointF to(last.x(), last.y() - toward * size);
        if ((to.y() - from.y()) * toward > 0) {
            painter->setPen(QPen(colour, colours.barWidth, Qt::SolidLine, Qt::FlatCap));
            painter->drawLine(from, to);
        }
    }
    DrawHead(painter, last, size, change, colour);
    DrawRing(painter, first, size + (change == RatingChange::Same ? size / 2 : 0), colours.first);
}

}  // namespace

SessionAxisLayout LayOutSessionAxis(int count, qreal axisWidth, qreal labelWidth) {
    SessionAxisLayout layout;
    if (count <= 0) return layout;
    const qreal halfLabel = labelWidth / 2 + kLabelPadding;
    if (count == 1) {
        layout.from = -1;
        layout.to = 1;
    } else {
        // A margin, in sessions, wide enough in pixels for half a label.
        const qreal room = std::max(axisWidth - 2 * halfLabel, 1.0);
        const qreal margin = std::max(0.5, halfLabel * (count - 1) / room);
        layout.from = -margin;
        layout.to = count - 1 + margin;
    }
    const qreal perSession = axisWidth / (layout.to - layout.from);
    const int most = int(std::floor(axisWidth / (labelWidth + 2 * kLabelPadding))) - 1;
    if (most < 1) return layout;
    for (int step = 1; step <= count; ++step) {
        const int labels = (count - 1) / step + 1;
        if (labels > most) continue;
        if (labels > 1 && step * perSession < labelWidth + 2 * kLabelPadding) continue;
        for (int i = count - 1; i >= 0; i -= step) layout.labelled.prepend(i);
        break;
    }
    return layout;
}

// On a dark application palette the chart takes Qt's dark theme, in the palette's own colours; the
// high-contrast one (white on black) draws its lines wide and bright. A light palette keeps the
// chart as it is.
namespace {

void FollowPalette(QChart* chart, const QPalette& palette) {
    const QColor background = palette.color(QPalette::Base);
    if (background.lightness() >= 128) return;
    chart->setTheme(QChart::ChartThemeDark);
    const QColor text = palette.color(QPalette::Text);
    const bool highContrast = background == Qt::black && text == Qt::white;
    chart->setBackgroundBrush(background);
    chart->setPlotAreaBackgroundVisible(false);
    chart->legend()->setLabelColor(text);
    for (QAbstractAxis* axis : chart->axes()) {
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
        axis->setLinePenColor(text);
        if (highContrast) axis->setGridLineColor(QColor(160, 160, 160));
    }
    if (!highContrast) return;
    const QColor lines[] = {QColor(255, 255, 0), QColor(0, 255, 255)};
    int i = 0;
    for (QAbstractSeries* series : chart->series()) {
        if (auto* line = qobject_cast<QLineSeries*>(series)) {
            QPen pen(lines[i++ % 2]);
            pen.setWidth(3);
            line->setPen(pen);
        }
    }
}

}  // namespace

JournalChart::JournalChart(QWidget* parent) : QChartView(parent) {
    auto* chart = new QChart;
    chart->setBackgroundRoundness(0);
    // The chart's own key would show the two series hidden below: the key drawn beside the plot
    // shows the marks as they are drawn. Beside rather than above: the height goes to the scale.
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->hide();

    auto* first = new QLineSeries(chart);
    first->setName(QCoreApplication::translate("mindrova::JournalChart", "First rating"));
    auto* last = new QLineSeries(chart);
    last->setName(QCoreApplication::translate("mindrova::JournalChart", "Last rating"));

    auto* rating = new QValueAxis(chart);
    rating->setRange(0, kRatingSteps);
    rating->setTickCount(kRatingSteps + 1);
    rating->setLabelFormat(QStringLiteral("%d"));
    rating->setTitleText(QCoreApplication::translate("mindrova::JournalChart", "Rating"));
    mSessionAxis = new QCategoryAxis(chart);
    mSessionAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    mSessionAxis->setRange(-0.5, 0.5);
    chart->addAxis(mSessionAxis, Qt::AlignBottom);
    chart->addAxis(rating, Qt::AlignLeft);
    // The series hold the ratings and place them on the axes; the pairs are drawn over them.
    for (QLineSeries* series : {first, last}) {
        series->setPointsVisible(true);
        chart->addSeries(series);
        series->attachAxis(mSessionAxis);
        series->attachAxis(rating);
        series->setVisible(false);
    }
    setChart(chart);
    chart->setMargins(QMargins(4, 4, 4 + int(std::ceil(KeyWidth())), 4));
    setRenderHint(QPainter::Antialiasing);
    FollowPalette(chart, QApplication::palette());

    // Tall enough that Qt Charts labels every rating: each of the eleven needs a line of text and
    // its padding; below the plot, two lines of date and time.
    const QFont font = rating->labelsFont();
    const qreal line = LabelSize(font, QStringLiteral("10")).height();
    const qreal plot = (kRatingSteps + 1) * (line + 2 * kLabelPadding) + 2;
    const qreal below = LabelSize(font, QStringLiteral("0<br>0")).height() + 3 * kLabelPadding;
    setMinimumHeight(int(std::ceil(plot + below + 8 + 2 * frameWidth() + 4)));
    // Wide enough for two dates along the bottom beside the scale and the legend.
    const qreal label = LabelSize(font, QStringLiteral("0000-00-00<br>00:00:00")).width();
    setMinimumWidth(int(std::ceil(3 * (label + 2 * kLabelPadding) + KeyWidth() + 4 * line)));

    // Once the plot has its size, the labels are chosen for it. Queued: the axis must not change
    // while the chart is in the middle of its own layout.
    connect(
        chart, &QChart::plotAreaChanged, this, [this] { PlaceSessionLabels(); },
        Qt::QueuedConnection);
}

// The colour the marks stand on: the palette's own in the dark themes; the light theme paints
// white, whatever its brush says.
QColor JournalChart::MarksBackground() const {
    return chart()->theme() == QChart::ChartThemeDark ? chart()->backgroundBrush().color()
                                                      : QColor(Qt::white);
}

qreal JournalChart::MarkSize() const {
    return std::max(9.0, std::round(QFontMetricsF(font()).height() * 0.7));
}

qreal JournalChart::KeyWidth() const {
    const QFontMetricsF metrics(font());
    qreal widest = 0;
    for (int row = 0; row < kKeyRows; ++row) {
        widest = std::max(widest, metrics.horizontalAdvance(KeyText(row)));
    }
    return 2 * MarkSize() + widest + 3 * kLabelPadding;
}

void JournalChart::DrawKey(QPainter* painter) const {
    const ChartMarkColours colours = ChartMarkColoursOn(MarksBackground());
    const QFontMetricsF metrics(font());
    const qreal size = MarkSize();
    const qreal row = std::max(metrics.height(), 2 * size) + kLabelPadding;
    const QRectF plot = chart()->mapRectToScene(chart()->plotArea());
    const qreal left = chart()->mapRectToScene(chart()->rect()).right() - KeyWidth();
    qreal top = plot.center().y() - kKeyRows * row / 2;
    QColor text = Qt::black;
    if (!chart()->axes().isEmpty()) text = chart()->axes().constFirst()->labelsColor();
    for (int i = 0; i < kKeyRows; ++i, top += row) {
        const QPointF mark(left + size, top + row / 2);
        if (i == 0) {
            DrawRing(painter, mark, size, colours.first);
        } else {
            const auto change = static_cast<RatingChange>(i - 1);
            DrawHead(painter,
                     QPointF(mark.x(), mark.y() + (change == RatingChange::Lower    ? size / 2
                                                   : change == RatingChange::Higher ? -size / 2
                                                                                    : 0)),
                     size, change, ChangeColour(colours, change));
        }
        painter->setPen(text);
        painter->drawText(QRectF(left + 2 * size + kLabelPadding, top, KeyWidth(), row),
                          Qt::AlignLeft | Qt::AlignVCenter, KeyText(i));
    }
}

void JournalChart::drawForeground(QPainter* painter, const QRectF& rect) {
    QChartView::drawForeground(painter, rect);
    const QList<QAbstractSeries*> series = chart()->series();
    if (series.isEmpty()) return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setFont(font());
    const ChartMarkColours colours = ChartMarkColoursOn(MarksBackground());
    const qreal size = MarkSize();
    const QRectF plot = chart()->mapRectToScene(chart()->plotArea());
    painter->save();
    painter->setClipRect(plot.adjusted(-size, -size, size, size));
    for (qsizetype i = 0; i < mSessions.size(); ++i) {
        const JournalEntry& e = mSessions.at(i);
        const QPointF first = chart()->mapToScene(
            chart()->mapToPosition(QPointF(qreal(i), e.firstRating), series.constFirst()));
        const QPointF last = chart()->mapToScene(
            chart()->mapToPosition(QPointF(qreal(i), e.lastRating()), series.constFirst()));
        DrawPair(painter, first, last, size, ChangeOf(e), colours);
    }
    painter->restore();
    DrawKey(painter);
    painter->restore();
}

void JournalChart::ShowSessions(const QList<JournalEntry>& sessions) {
    mSessions = sessions;
    // Two sessions within a minute of each other are told apart by their seconds.
    mTimeFormat = QStringLiteral("HH:mm");
    const auto minute = [](const JournalEntry& e) { return e.started.toSecsSinceEpoch() / 60; };
    for (qsizetype i = 1; i < mSessions.size(); ++i) {
        if (minute(mSessions[i]) == minute(mSessions[i - 1])) {
            mTimeFormat = QStringLiteral("HH:mm:ss");
            break;
        }
    }
    QList<QPointF> first;
    QList<QPointF> last;
    first.reserve(mSessions.size());
    last.reserve(mSessions.size());
    for (qsizetype i = 0; i < mSessions.size(); ++i) {
        first << QPointF(qreal(i), mSessions[i].firstRating);
        last << QPointF(qreal(i), mSessions[i].lastRating());
    }
    const QList<QAbstractSeries*> series = chart()->series();
    static_cast<QLineSeries*>(series.at(0))->replace(first);
    static_cast<QLineSeries*>(series.at(1))->replace(last);
    mPlaced = SessionAxisLayout{};
    mPlaced.from = 1;  // never a real layout: the labels are placed anew
    PlaceSessionLabels();
    viewport()->update();
}

QString JournalChart::SessionLabel(int index) const {
    const QDateTime& started = mSessions.at(index).started;
    return started.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("<br>") +
           started.toString(mTimeFormat);
}

void JournalChart::PlaceSessionLabels() {
    const int count = int(mSessions.size());
    qreal width = chart()->plotArea().width();
    // Before the first layout, a guess from the view's width; the real one follows.
    if (width <= 0) width = std::max(0, viewport()->width() - 200);
    qreal labelWidth = 0;
    if (count > 0) {
        const QFont font = mSessionAxis->labelsFont();
        labelWidth = std::max(LabelSize(font, SessionLabel(0)).width(),
                              LabelSize(font, SessionLabel(count - 1)).width()) +
                     2;
    }
    const SessionAxisLayout layout = LayOutSessionAxis(count, width, labelWidth);
    if (layout.from == mPlaced.from && layout.to == mPlaced.to &&
        layout.labelled == mPlaced.labelled) {
        return;
    }
    mPlaced = layout;
    for (const QString& label : mSessionAxis->categoriesLabels()) mSessionAxis->remove(label);
    mSessionAxis->setStartValue(layout.from);
    mSessionAxis->setRange(layout.from, layout.to);
    for (const int index : layout.labelled) {
        QString label = SessionLabel(index);
        // Labels name their category, so each must be unique: a second session in the very same
        // second is told by its number.
        if (mSessionAxis->categoriesLabels().contains(label)) {
            label += QStringLiteral(" (%1)").arg(index + 1);
        }
        mSessionAxis->append(label, index);
    }
}

}  // namespace mindrova
