#include "archive_file_builder.h"
#include "archives/archive_grid_model.h"
#include "archives/archive_table.h"
#include "archives/trend_set_points.h"
#include "base/byte_view.h"
#include "record_bytes.h"
#include "tables/field_float.h"
#include "tables/gas_param_range.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

// Molar fractions, MJ, properties as the controller computed them, no correction.
const ReportSettings AsSent = ReportSettings::fromBytes({});
constexpr int MethaneSlot = 8;

qint64 moment(int hour, int minute)
{
    return QDateTime(QDate(2026, 3, 15), QTime(hour, minute), Qt::UTC).toMSecsSinceEpoch();
}

QByteArray stamp(int hour, int minute)
{
    return bytes({26, 3, 15, static_cast<std::uint8_t>(hour), static_cast<std::uint8_t>(minute), 0});
}

GasParams withMethane(float value)
{
    GasParams values = RecordBytes::gasValues();
    values[MethaneSlot] = value;
    return values;
}

// The viewer's table and its values' model, as a viewer holds them.
struct Shown {
    Shown(ArchiveKind kind, const QList<QByteArray>& records, const ReportSettings& settings = AsSent)
        : table(ArchiveTable::of(archiveFile(kind, records), settings)), values(*table, ArchiveGridModel::Side::Values)
    {
    }
    TrendSeries series(const QString& name) const { return trendSeries(values, *trendColumnNamed(columns(), name)); }
    QList<TrendColumn> columns() const { return trendColumns(values); }

    std::unique_ptr<ArchiveTable> table;
    ArchiveGridModel values;
};

} // namespace

TEST(TrendSeries, AnalysesWithValuesArePlottedDamagedOnesCountedAndSubstitutesFlagged)
{
    const Shown shown(ArchiveKind::ChromFiveMinute,
                      {RecordBytes::chromMoment(stamp(10, 0), 0, 0, withMethane(90.0f)),
                       RecordBytes::damaged(RecordBytes::chromMoment(stamp(10, 5), 0, 0, {})),
                       RecordBytes::chromMoment(stamp(10, 10), 0x02, 0, {}), // switched off
                       RecordBytes::chromMoment(stamp(10, 15), 0x20, 0, {}), // no link
                       RecordBytes::chromMoment(stamp(10, 20), 0x80, 0, {}), // calibration
                       RecordBytes::chromMoment(stamp(10, 25), 0x10, 0, withMethane(91.5f)),
                       RecordBytes::chromMoment(stamp(10, 30), 0x01, 0, withMethane(92.0f))});
    const TrendSeries methane = shown.series(QStringLiteral("methane"));
    EXPECT_EQ(methane.points,
              (std::vector<TrendPoint>{
                  {moment(10, 0), 90.0, false}, {moment(10, 25), 91.5, true}, {moment(10, 30), 92.0, false}}));
    EXPECT_EQ(methane.damaged, 1);
    EXPECT_EQ(methane.substituted, 1);
    // Each of the substitute flags marks the analysis; calibration by hand does not.
    for (const std::uint8_t flag : {0x08, 0x10, 0x40}) {
        const Shown one(ArchiveKind::ChromFiveMinute,
                        {RecordBytes::chromMoment(stamp(10, 0), flag, 0, withMethane(90))});
        EXPECT_TRUE(one.series(QStringLiteral("methane")).points.at(0).substituted) << int(flag);
    }
}

TEST(TrendSeries, MeansFollowTheTableDashesLeftOutAndAnyStatusMarked)
{
    const QByteArray start = stamp(10, 0);
    const Shown shown(ArchiveKind::ChromHourly,
                      {RecordBytes::chromInterval(start, 11, 0, withMethane(0.0005f)), // no analysis
                       RecordBytes::chromInterval(stamp(11, 0), 12, 0x08),
                       RecordBytes::chromInterval(stamp(12, 0), 13, 0),
                       RecordBytes::chromInterval(stamp(13, 0), 14, 0x20)}); // no link
    const TrendSeries density = shown.series(QStringLiteral("density"));
    EXPECT_EQ(density.points, (std::vector<TrendPoint>{{moment(11, 0), 12.5, true}, {moment(12, 0), 12.5, false}}));
}

TEST(TrendSeries, ValuesAreThoseShownRecalculatedBySettings)
{
    // Heats in kcal: the plotted value is the one in the table, not the one in the record.
    const ReportSettings kcal = ReportSettings::fromBytes(QByteArray::fromHex("0001010000"));
    const Shown shown(ArchiveKind::ChromFiveMinute, {RecordBytes::chromMoment(stamp(10, 0), 0, 0, withMethane(90))},
                      kcal);
    const TrendSeries heat = shown.series(QStringLiteral("hhv"));
    ASSERT_EQ(heat.points.size(), 1u);
    EXPECT_EQ(QString::number(heat.points[0].value, 'f', 4), shown.table->valueText(0, heat.column.column).trimmed());
    EXPECT_EQ(heat.column.unit, "ккал/м3");
}

TEST(TrendColumns, AreTheDeliveredColumnsWithCaptionsUnitsKeysAndSetPointFields)
{
    const Shown shown(ArchiveKind::ChromFiveMinute, {});
    const QList<TrendColumn> columns = shown.columns();
    ASSERT_EQ(columns.size(), 19) << "type 2 gives no sum of the fractions";
    EXPECT_FALSE(trendColumnNamed(columns, QStringLiteral("sum")));
    EXPECT_EQ(columns[8], (TrendColumn{8, "МД метана", "%", "methane", 8, 1.0}));
    EXPECT_EQ(columns[0].caption, "Сум. МД гексана и б.т.с.");
    EXPECT_EQ(columns[11].key, "oxygen");
    EXPECT_EQ(columns[11].setPointParameter, 17);
    EXPECT_EQ(columns[15].title(), "Фактор сжимаемости") << "no unit, no comma";
    EXPECT_EQ(columns[11].caption, "МД кислорода");
    EXPECT_EQ(columns[4].caption, "МД neo-пентана");
    const TrendColumn temperature = *trendColumnNamed(columns, QStringLiteral("temperature"));
    EXPECT_EQ(temperature.unit, "°С");
    EXPECT_FALSE(temperature.setPointParameter) << "the gas temperature has no set-points";

    // Named by the caption as shown, commas, blanks and letter case aside.
    EXPECT_EQ(trendColumnNamed(columns, QStringLiteral("мд  МЕТАНА,"))->key, "methane");
    EXPECT_EQ(trendColumnNamed(columns, QStringLiteral("Methane"))->column, 8);
    EXPECT_FALSE(trendColumnNamed(columns, QStringLiteral("метан")));
}

TEST(TrendColumns, OfTheMoistureMeterAreItsFourValuesWithoutSetPoints)
{
    const WmtParams values{-12.5f, -8.25f, 55.0f, -20.75f};
    const Shown shown(ArchiveKind::WmtFiveMinute,
                      {RecordBytes::wmtMeasurement(stamp(10, 0), 0, 0, values),
                       RecordBytes::wmtMeasurement(stamp(10, 5), 0x02, 0, values),
                       RecordBytes::damaged(RecordBytes::wmtMeasurement(stamp(10, 10), 0, 0, values)),
                       RecordBytes::wmtMeasurement(stamp(10, 15), 0x04, 0, values),
                       RecordBytes::wmtMeasurement(stamp(10, 20), 0, 0, {0, 0, 0, std::nanf("")})});
    const QList<TrendColumn> columns = shown.columns();
    ASSERT_EQ(columns.size(), 4);
    EXPECT_EQ(columns[0].title(), "Т т.росы WDP при Рраб., °С");
    EXPECT_EQ(columns[2].title(), "Р изб. WDP, bar");
    EXPECT_FALSE(columns[3].setPointParameter);
    EXPECT_EQ(shown.series(QStringLiteral("pressure")).points,
              (std::vector<TrendPoint>{{moment(10, 0), 55.0, false}, {moment(10, 20), 0.0, false}}));
    const TrendSeries reduced = shown.series(QStringLiteral("wdp-abs"));
    EXPECT_EQ(reduced.points.size(), 1u) << "a value that is no number is left out";
    EXPECT_EQ(reduced.damaged, 1);

    const Shown daily(ArchiveKind::WmtDaily, {RecordBytes::wmtDaily});
    EXPECT_TRUE(daily.series(QStringLiteral("wdp")).points.empty()) << "status 0x04: no link";
}

TEST(GasSetPointLevels, AreTheFourLevelTablesOfTheColumnsParameter)
{
    const Shown shown(ArchiveKind::ChromFiveMinute, {});
    const TrendColumn methane = *trendColumnNamed(shown.columns(), QStringLiteral("methane"));
    const QList<SetPointLine> expected{{"Нижняя уставка", 95.0, false},
                                       {"Верхняя уставка", 100.0, false},
                                       {"Нижний предел записи в ВРГ", 90.0, true},
                                       {"Верхний предел записи в ВРГ", 100.0, true}};
    EXPECT_EQ(GasSetPointLevels::of(ConfigRecord()).lines(methane), expected) << "a new configuration's defaults";

    ParamImage image;
    const std::array<float, 4> levels{41.0f, 99.5f, 40.5f, 99.75f};
    for (int k = 0; k < 4; ++k) {
        QByteArray table = byteView(image.table(23 + k)).toByteArray();
        storeFieldFloat(table, MethaneSlot, levels[static_cast<std::size_t>(k)]);
        image.assign(FieldRange{static_cast<std::uint8_t>(23 + k), 0, GasParameterCount}, table);
    }
    const QList<SetPointLine> lines = GasSetPointLevels::of(image).lines(methane);
    ASSERT_EQ(lines.size(), 4);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(lines[k].value, levels[static_cast<std::size_t>(k)]) << k;

    const TrendColumn temperature = *trendColumnNamed(shown.columns(), QStringLiteral("temperature"));
    EXPECT_TRUE(GasSetPointLevels::of(image).lines(temperature).isEmpty());
}

TEST(GasSetPointLevels, OfHeatsShownInKilocaloriesAreConverted)
{
    const Shown shown(ArchiveKind::ChromFiveMinute, {}, ReportSettings::fromBytes(QByteArray::fromHex("0001")));
    const TrendColumn heat = *trendColumnNamed(shown.columns(), QStringLiteral("hhv"));
    EXPECT_DOUBLE_EQ(GasSetPointLevels::of(ConfigRecord()).lines(heat).at(0).value, 36.0 * 239.08);
    const TrendColumn density = *trendColumnNamed(shown.columns(), QStringLiteral("density"));
    EXPECT_DOUBLE_EQ(GasSetPointLevels::of(ConfigRecord()).lines(density).at(0).value, double(0.67f));
}
