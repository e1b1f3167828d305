#include "app/journal_chart.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QLegend>
#include <QLineSeries>
#include <QTextDocument>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

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
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    // Beside the plot rather than above it: the height goes to the ratings scale.
    chart->legend()->setAlignment(Qt::AlignRight);

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
    for (QLineSeries* series : {first, last}) {
        series->setPointsVisible(true);
        chart->addSeries(series);
        series->attachAxis(mSessionAxis);
        series->attachAxis(rating);
    }
    setChart(chart);
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
    const qreal side = LabelSize(font, last->name()).width();
    setMinimumWidth(int(std::ceil(3 * (label + 2 * kLabelPadding) + 2 * side + 4 * line)));

    // Once the plot has its size, the labels are chosen for it. Queued: the axis must not change
    // while the chart is in the middle of its own layout.
    connect(
        chart, &QChart::plotAreaChanged, this, [this] { PlaceSessionLabels(); },
        Qt::QueuedConnection);
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
