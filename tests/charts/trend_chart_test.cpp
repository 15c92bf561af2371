#include "archives/archive_file_builder.h"
#include "archives/archive_grid_model.h"
#include "archives/archive_table.h"
#include "archives/record_bytes.h"
#include "charts/trend_chart.h"
#include "charts/trend_chart_file.h"
#include "charts/trend_chart_view.h"
#include "support/temp_workdir.h"

#include <QDateTimeAxis>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

// Hourly means of the chromatograph: a measured one, one with a substitute, a
// damaged one and one without data.
struct HourlyMeans : ::testing::Test {
    HourlyMeans()
        : table(ArchiveTable::of(
              archiveFile(ArchiveKind::ChromHourly,
                          {RecordBytes::chromInterval(bytes({26, 3, 15, 10, 0, 0}), 11, 0),
                           RecordBytes::chromInterval(bytes({26, 3, 15, 11, 0, 0}), 12, 0x10),
                           RecordBytes::damaged(RecordBytes::chromInterval(bytes({26, 3, 15, 12, 0, 0}), 13, 0)),
                           RecordBytes::chromInterval(bytes({26, 3, 15, 13, 0, 0}), 14, 0x02)}),
              ReportSettings::fromBytes({}))),
          values(*table, ArchiveGridModel::Side::Values)
    {
    }
    TrendPlot plot(const QString& name, QList<SetPointLine> levels = {}) const
    {
        return {trendSeries(values, *trendColumnNamed(trendColumns(values), name)), std::move(levels)};
    }
    template <class Series> QList<Series*> seriesOf(const QChart& chart) const
    {
        QList<Series*> found;
        for (QAbstractSeries* series : chart.series())
            if (auto* typed = dynamic_cast<Series*>(series); typed && typeid(*series) == typeid(Series))
                found << typed;
        return found;
    }

    std::unique_ptr<ArchiveTable> table;
    ArchiveGridModel values;
};

} // namespace

TEST_F(HourlyMeans, EachParameterIsALineOnItsOwnAxisWithSubstitutesAndLevelsBeside)
{
    const QList<TrendPlot> plots{
        plot(QStringLiteral("methane"), {{"Нижняя уставка", 5.0, false}, {"Верхний предел записи в ВРГ", 9.0, true}}),
        plot(QStringLiteral("density"))};
    TrendChartView view; // the legend lays out its markers once the chart is shown
    view.showChart(trendChart(QStringLiteral("Часовые данные"), plots));
    const QChart* chart = view.chart();
    EXPECT_EQ(chart->series().size(), trendChartSeriesCount(plots));
    EXPECT_EQ(chart->series().size(), 2 + 2 + 2) << "two lines, two substitute markers, two levels";

    const QList<QLineSeries*> lines = seriesOf<QLineSeries>(*chart);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0]->name(), "МД метана, %");
    ASSERT_EQ(lines[0]->count(), 2) << "the damaged mean and the one without data are left out";
    EXPECT_DOUBLE_EQ(lines[0]->at(0).y(), 8.5);
    EXPECT_EQ(lines[0]->at(1).x() - lines[0]->at(0).x(), 3600 * 1000);
    EXPECT_FALSE(lines[0]->useOpenGL());
    EXPECT_EQ(lines[1]->name(), "МД метана: Нижняя уставка");
    EXPECT_EQ(lines[1]->pen().style(), Qt::DashLine);
    EXPECT_EQ(lines[2]->pen().style(), Qt::DotLine) << "limits are dotted, warnings dashed";
    EXPECT_DOUBLE_EQ(lines[2]->at(0).y(), 9.0);

    const QList<QScatterSeries*> substitutes = seriesOf<QScatterSeries>(*chart);
    ASSERT_EQ(substitutes.size(), 2);
    EXPECT_EQ(substitutes[0]->markerShape(), QScatterSeries::MarkerShapeTriangle);
    ASSERT_EQ(substitutes[0]->count(), 1);
    EXPECT_EQ(substitutes[0]->at(0), lines[0]->at(1));

    int named = 0;
    for (const QLegendMarker* marker : chart->legend()->markers())
        named += marker->isVisible() ? 1 : 0;
    EXPECT_EQ(named, 2) << "the legend names the parameters alone";
    EXPECT_EQ(chart->axes(Qt::Vertical).size(), 2) << "a value axis per parameter";
    ASSERT_EQ(chart->axes(Qt::Horizontal).size(), 1);
    const auto* methaneAxis = qobject_cast<QValueAxis*>(lines[1]->attachedAxes().at(1));
    ASSERT_NE(methaneAxis, nullptr);
    EXPECT_LE(methaneAxis->min(), 5.0) << "the axis reaches the levels";
    EXPECT_GE(methaneAxis->max(), 9.0);
}

TEST_F(HourlyMeans, TheChartIsSavedAsAPngOfTheViewsSizeOrAsAPdf)
{
    TrendChartView view;
    view.resize(640, 400);
    view.showChart(trendChart(QStringLiteral("Часовые данные"), {plot(QStringLiteral("methane"))}));
    TempWorkdir dir;
    ASSERT_FALSE(saveChartFile(view, dir.file(QStringLiteral("trend.png"))).failed());
    const QImage image = QImage::fromData(dir.read(QStringLiteral("trend.png")), "PNG");
    EXPECT_EQ(image.size(), QSize(640, 400));
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += image.pixel(x, y) != image.pixel(0, 0) ? 1 : 0;
    EXPECT_GT(inked, 1000) << "the chart is drawn, not only its background";

    ASSERT_FALSE(saveChartFile(view, dir.file(QStringLiteral("trend.Pdf"))).failed());
    EXPECT_TRUE(dir.read(QStringLiteral("trend.Pdf")).startsWith("%PDF-"));

    const SaveResult refused = saveChartFile(view, dir.file(QStringLiteral("no-folder/trend.png")));
    EXPECT_TRUE(refused.failed());
}
