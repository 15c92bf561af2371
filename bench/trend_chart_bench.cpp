// How fast the trend chart draws a two-month 5-minute chromatograph archive
// (17,280 records): the series taken from the viewer's model of values, the
// chart built (each line's points put in with one replace()), laid out, painted
// and encoded as the PNG "Сохранить график" writes, at the window's size, with
// the platform "offscreen".
// Goal: under 300 ms for one parameter.
//
// Usage: trend_chart_bench [RUNS]   (best of RUNS drawings, default 5)

#include "archives/archive_file.h"
#include "archives/archive_grid_model.h"
#include "archives/archive_table.h"
#include "charts/trend_chart.h"
#include "charts/trend_chart_file.h"
#include "charts/trend_chart_view.h"
#include "two_month_archive.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

using namespace TwoMonthArchive;

struct Timing {
    double seriesMs;
    double chartMs;
    double paintMs;
    double total() const { return seriesMs + chartMs + paintMs; }
};

double msSince(QElapsedTimer& timer)
{
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    return ms;
}

Timing draw(const ArchiveGridModel& values, const QList<TrendColumn>& columns, TrendChartView& view)
{
    QElapsedTimer timer;
    timer.start();
    QList<TrendPlot> plots;
    for (const TrendColumn& column : columns)
        plots << TrendPlot{trendSeries(values, column), {}};
    const double seriesMs = msSince(timer);
    view.showChart(trendChart(QStringLiteral("bench"), plots));
    const double chartMs = msSince(timer);
    const QByteArray png = chartFileBytes(view, ChartFileFormat::Png);
    return {seriesMs, chartMs, png.isEmpty() ? 0 : msSince(timer)};
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two-months.mch"));
    QFile saved(path);
    if (!saved.open(QIODevice::WriteOnly) || saved.write(archiveFileBytes()) < 0)
        return 1;
    saved.close();
    const auto read = readArchiveFile(ArchiveKind::ChromFiveMinute, path);
    const auto table = ArchiveTable::of(std::get<ArchiveFile>(read), ReportSettings::fromBytes({}));
    const ArchiveGridModel values(*table, ArchiveGridModel::Side::Values);
    const QList<TrendColumn> columns = trendColumns(values);
    TrendChartView view;
    view.resize(1100, 650);

    QTextStream out(stdout);
    for (const int count : {1, 3}) {
        Timing best{std::numeric_limits<double>::max(), 0, 0};
        for (int run = 0; run < runs; ++run) {
            const Timing timing = draw(values, columns.first(count), view);
            if (timing.total() < best.total())
                best = timing;
        }
        out << RecordCount << " records, " << count << " parameter(s): " << QString::number(best.total(), 'f', 1)
            << " ms (series " << QString::number(best.seriesMs, 'f', 1) << ", chart "
            << QString::number(best.chartMs, 'f', 1) << ", laid out, painted and encoded "
            << QString::number(best.paintMs, 'f', 1) << "; best of " << runs << ", limit 300 ms)\n";
    }
    return 0;
}
