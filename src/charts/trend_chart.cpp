#include "charts/trend_chart.h"

#include <QDate>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

namespace {

constexpr qreal SubstituteMarkerSize = 9;
constexpr qreal LevelLineWidth = 1.2;

// The stamps are the controller's wall clock, kept as UTC; the time axis shows
// local time, so every point moves by the local offset of its day, looked up
// once a day rather than once a point.
class WallClock {
public:
    qreal axisMsecs(qint64 utcMsecs)
    {
        const qint64 day = utcMsecs / MsecsPerDay;
        if (day != day_) {
            day_ = day;
            const QDateTime noon = QDateTime::fromMSecsSinceEpoch(day * MsecsPerDay + MsecsPerDay / 2, Qt::UTC);
            offsetMsecs_ = qint64{QDateTime(noon.date(), noon.time()).offsetFromUtc()} * 1000;
        }
        return static_cast<qreal>(utcMsecs - offsetMsecs_);
    }

private:
    static constexpr qint64 MsecsPerDay = 24 * 3600 * 1000;
    qint64 day_ = -1;
    qint64 offsetMsecs_ = 0;
};

QDateTimeAxis* timeAxis(QChart& chart, qreal first, qreal last)
{
    auto* axis = new QDateTimeAxis;
    axis->setFormat(QStringLiteral("dd.MM.yy hh:mm"));
    axis->setTitleText(QStringLiteral("Время"));
    axis->setTickCount(7);
    // A single moment still gets a span to show.
    constexpr qreal HalfHour = 1800 * 1000;
    axis->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(first == last ? first - HalfHour : first)),
                   QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(first == last ? last + HalfHour : last)));
    chart.addAxis(axis, Qt::AlignBottom);
    return axis;
}

QValueAxis* valueAxis(QChart& chart, const TrendPlot& plot, int index, const QColor& colour)
{
    auto* axis = new QValueAxis;
    axis->setTitleText(plot.series.column.title());
    axis->setTitleBrush(colour);
    axis->setLabelsColor(colour);
    axis->setLinePenColor(colour);
    chart.addAxis(axis, index % 2 == 0 ? Qt::AlignLeft : Qt::AlignRight);
    return axis;
}

void attach(QChart& chart, QAbstractSeries* series, QAbstractAxis* time, QAbstractAxis* values)
{
    chart.addSeries(series);
    series->attachAxis(time);
    series->attachAxis(values);
}

// The legend names the parameters only: markers and levels take their colour
// and their meaning from the line style, which the window explains.
void leaveOutOfLegend(QChart& chart, QAbstractSeries* series)
{
    for (QLegendMarker* marker : chart.legend()->markers(series))
        marker->setVisible(false);
}

// The value axis spans the points and the levels, with a margin.
void fitValueAxis(QValueAxis& axis, const TrendPlot& plot)
{
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    for (const TrendPoint& point : plot.series.points) {
        low = std::min(low, point.value);
        high = std::max(high, point.value);
    }
    for (const SetPointLine& level : plot.setPoints) {
        low = std::min(low, level.value);
        high = std::max(high, level.value);
    }
    if (low > high)
        low = high = 0;
    const double margin = high > low ? (high - low) * 0.05 : std::max(std::abs(high) * 0.05, 0.5);
    axis.setRange(low - margin, high + margin);
    axis.applyNiceNumbers();
}

} // namespace

int trendChartSeriesCount(const QList<TrendPlot>& plots)
{
    int count = 0;
    for (const TrendPlot& plot : plots)
        count += 1 + (plot.series.substituted > 0 ? 1 : 0) + static_cast<int>(plot.setPoints.size());
    return count;
}

std::unique_ptr<QChart> trendChart(const QString& title, const QList<TrendPlot>& plots)
{
    auto chart = std::make_unique<QChart>();
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);

    WallClock wallClock;
    QList<QList<QPointF>> lines;
    QList<QList<QPointF>> substitutes;
    qreal first = std::numeric_limits<qreal>::max();
    qreal last = std::numeric_limits<qreal>::lowest();
    for (const TrendPlot& plot : plots) {
        QList<QPointF>& line = lines.emplace_back();
        QList<QPointF>& marked = substitutes.emplace_back();
        line.reserve(static_cast<qsizetype>(plot.series.points.size()));
        for (const TrendPoint& point : plot.series.points) {
            line.append({wallClock.axisMsecs(point.msecsSinceEpoch), point.value});
            if (point.substituted)
                marked.append(line.last());
        }
        if (!line.isEmpty()) {
            first = std::min(first, line.first().x());
            last = std::max(last, line.last().x());
        }
    }
    if (first > last)
        first = last = 0;
    QDateTimeAxis* time = timeAxis(*chart, first, last);

    const QList<QColor> colours{Qt::darkBlue,    Qt::darkRed,   Qt::darkGreen,
                                Qt::darkMagenta, Qt::darkCyan,  QColor(0xcc, 0x66, 0x00),
                                Qt::black,       Qt::darkYellow};
    for (qsizetype k = 0; k < plots.size(); ++k) {
        const TrendPlot& plot = plots[k];
        const QColor colour = colours[k % colours.size()];
        QValueAxis* values = valueAxis(*chart, plot, static_cast<int>(k), colour);
        fitValueAxis(*values, plot);

        auto* line = new QLineSeries;
        line->setUseOpenGL(false);
        line->setName(plot.series.column.title());
        line->setPen(QPen(colour, 1.5));
        line->replace(lines[k]);
        attach(*chart, line, time, values);

        if (!substitutes[k].isEmpty()) {
            auto* marked = new QScatterSeries;
            marked->setName(QStringLiteral("%1: подстановка").arg(plot.series.column.caption));
            marked->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
            marked->setMarkerSize(SubstituteMarkerSize);
            marked->setColor(colour);
            marked->setBorderColor(colour);
            marked->replace(substitutes[k]);
            attach(*chart, marked, time, values);
            leaveOutOfLegend(*chart, marked);
        }

        const qreal from = static_cast<qreal>(time->min().toMSecsSinceEpoch());
        const qreal to = static_cast<qreal>(time->max().toMSecsSinceEpoch());
        for (const SetPointLine& level : plot.setPoints) {
            auto* across = new QLineSeries;
            across->setName(QStringLiteral("%1: %2").arg(plot.series.column.caption, level.name));
            across->setPen(QPen(colour, LevelLineWidth, level.limit ? Qt::DotLine : Qt::DashLine));
            across->replace({{from, level.value}, {to, level.value}});
            attach(*chart, across, time, values);
            leaveOutOfLegend(*chart, across);
        }
    }
    return chart;
}
