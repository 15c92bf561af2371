#include "cli/cli_plot_command.h"

#include "app/configuration_files.h"
#include "archives/archive_file.h"
#include "archives/archive_grid_model.h"
#include "archives/archive_table.h"
#include "charts/trend_chart.h"
#include "charts/trend_chart_file.h"
#include "charts/trend_chart_view.h"
#include "cli/cli_archive_commands.h"
#include "cli/cli_view_command.h"
#include "settings/work_directory.h"

namespace {

constexpr QSize ChartSize{1200, 700};

QString columnList(const QList<TrendColumn>& columns)
{
    QString list;
    for (const TrendColumn& column : columns)
        list += QStringLiteral("  %1  %2\n").arg(column.key, -18).arg(column.title());
    return list;
}

std::optional<ArchiveFile> archiveFile(const QString& path, QTextStream& errors)
{
    const std::optional<ArchiveKind> kind = fileArchive(path);
    if (!kind) {
        errors << "plot: " << path << " is no archive data file (.mch .hch .dch .mwm .hwm .dwm)\n";
        return std::nullopt;
    }
    auto read = readArchiveFile(*kind, path);
    if (const auto* problem = std::get_if<InputProblem>(&read)) {
        printProblem(*problem, errors);
        return std::nullopt;
    }
    return std::get<ArchiveFile>(std::move(read));
}

} // namespace

int runPlotCommand(const CliOptions& options, const WorkDirectory& directory, QTextStream& out, QTextStream& errors)
{
    const std::optional<ArchiveFile> file = archiveFile(options.file, errors);
    if (!file)
        return 1;
    const auto table = ArchiveTable::of(*file, ReportSettings::load(directory.reportSettingsFile()));
    const ArchiveGridModel values(*table, ArchiveGridModel::Side::Values);
    const QList<TrendColumn> columns = trendColumns(values);
    QList<TrendColumn> chosen;
    for (const QString& name : options.plotParameters) {
        const std::optional<TrendColumn> column = trendColumnNamed(columns, name);
        if (!column) {
            errors << usageErrorText(QStringLiteral("plot: no parameter \"%1\" in %2; --param takes one of:")
                                         .arg(name, options.file))
                   << columnList(columns);
            return 2;
        }
        chosen << *column;
    }

    std::optional<GasSetPointLevels> levels;
    if (!options.plotConfig.isEmpty()) {
        const auto read = readConfigurationFile(options.plotConfig);
        if (const auto* problem = std::get_if<InputProblem>(&read)) {
            printProblem(*problem, errors);
            return 1;
        }
        levels = GasSetPointLevels::of(std::get<ConfigRecord>(read));
    }

    QList<TrendPlot> plots;
    for (const TrendColumn& column : chosen)
        plots << TrendPlot{trendSeries(values, column), levels ? levels->lines(column) : QList<SetPointLine>()};
    TrendChartView view;
    view.resize(ChartSize);
    view.showChart(trendChart(table->caption(), plots));
    const SaveResult saved = saveChartFile(view, options.plotOutput);
    if (saved.failed()) {
        errors << "plot: " << saved.path << ": " << saved.reason << '\n';
        return 1;
    }
    out << table->caption() << '\n';
    for (const TrendPlot& plot : plots)
        out << plot.series.column.title() << ": " << plot.series.points.size() << " points, " << plot.series.substituted
            << " substituted, " << plot.series.damaged << " damaged records left out, " << plot.setPoints.size()
            << " set-points\n";
    return 0;
}
