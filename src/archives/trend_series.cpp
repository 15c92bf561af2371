#include "archives/trend_series.h"

#include "archives/archive_grid_model.h"
#include "archives/archive_sample.h"

#include <QDateTime>

namespace {

// Caption lines as one name: blanks simplified, commas and letter case ignored.
QString comparable(const QString& name)
{
    return QString(name).remove(QLatin1Char(',')).simplified().toLower();
}

// The header's lines as one caption. A word the header breaks with a hyphen
// is whole again ("кисло-" "рода"); a Latin prefix keeps its hyphen ("neo-"
// "пентана" is "neo-пентана").
QString joinedHeaderLines(const QStringList& lines)
{
    QString caption;
    for (const QString& line : lines) {
        const QString part = line.simplified();
        if (part.isEmpty())
            continue;
        if (caption.endsWith(QLatin1Char('-'))) {
            if (caption.size() > 1 && caption[caption.size() - 2].script() == QChar::Script_Cyrillic)
                caption.chop(1);
        } else if (!caption.isEmpty()) {
            caption += QLatin1Char(' ');
        }
        caption += part;
    }
    return caption;
}

} // namespace

QString TrendColumn::title() const
{
    return unit.isEmpty() ? caption : caption + QStringLiteral(", ") + unit;
}

QList<TrendColumn> trendColumns(const QAbstractItemModel& values)
{
    QList<TrendColumn> columns;
    for (int column = 0; column < values.columnCount(); ++column) {
        const auto header = [&](int role) { return values.headerData(column, Qt::Horizontal, role); };
        if (!header(ArchiveGridModel::PresentRole).toBool())
            continue;
        // The lines above the unit name the parameter; the last is its unit.
        QStringList lines = header(Qt::DisplayRole).toString().split(QLatin1Char('\n'));
        const QString unit = lines.takeLast();
        QString caption = joinedHeaderLines(lines);
        if (caption.endsWith(QLatin1Char(',')))
            caption.chop(1);
        const QVariant parameter = header(ArchiveGridModel::SetPointParameterRole);
        TrendColumn trend{column, caption, unit, header(ArchiveGridModel::KeyRole).toString(), std::nullopt, 1};
        if (parameter.isValid()) {
            trend.setPointParameter = parameter.toInt();
            trend.setPointFactor = header(ArchiveGridModel::SetPointFactorRole).toDouble();
        }
        columns << trend;
    }
    return columns;
}

TrendSeries trendSeries(const QAbstractItemModel& values, const TrendColumn& column)
{
    using State = ArchiveSample::State;
    TrendSeries series{column, {}, 0, 0};
    series.points.reserve(static_cast<std::size_t>(values.rowCount()));
    for (int row = 0; row < values.rowCount(); ++row) {
        const QModelIndex cell = values.index(row, column.column);
        const auto state = static_cast<State>(cell.data(ArchiveGridModel::SampleStateRole).toInt());
        if (state == State::Damaged)
            ++series.damaged;
        if (state != State::Measured && state != State::Substituted)
            continue;
        const bool substituted = state == State::Substituted;
        series.substituted += substituted ? 1 : 0;
        series.points.push_back({cell.data(ArchiveGridModel::MomentRole).toDateTime().toMSecsSinceEpoch(),
                                 cell.data(ArchiveGridModel::SampleValueRole).toDouble(), substituted});
    }
    return series;
}

std::optional<TrendColumn> trendColumnNamed(const QList<TrendColumn>& columns, const QString& name)
{
    const QString wanted = comparable(name);
    for (const TrendColumn& column : columns)
        if (wanted == column.key.toLower() || wanted == comparable(column.caption))
            return column;
    return std::nullopt;
}
