#include "archive_file_builder.h"
#include "archives/archive_table.h"
#include "archives/wmt_value_text.h"
#include "record_bytes.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using RecordBytes::bytes;

const QByteArray Stamp = bytes({26, 3, 15, 10, 5, 17});
const QByteArray Start = bytes({26, 3, 15, 10, 0, 0});
const WmtParams Values{-12.5f, -8.25f, 55.0f, -20.75f};

std::unique_ptr<ArchiveTable> table(ArchiveKind kind, const QList<QByteArray>& records)
{
    return ArchiveTable::of(archiveFile(kind, records), ReportSettings::fromBytes({}));
}

QStringList row(const ArchiveTable& shown, int index)
{
    QStringList texts;
    for (int column = 0; column < shown.statusCaptions().size(); ++column)
        texts << shown.statusText(index, column);
    for (int column = 0; column < shown.valueCaptions().size(); ++column)
        texts << shown.valueText(index, column);
    return texts;
}

} // namespace

TEST(WmtValueText, TheSmallerTheValueTheMoreDecimals)
{
    EXPECT_EQ(wmtValueText(0.0f), "0");
    EXPECT_EQ(wmtValueText(5e-7f), "5.00e-07");
    EXPECT_EQ(wmtValueText(-5e-7f), "-5.00e-07");
    EXPECT_EQ(wmtValueText(0.00005f), "0.000050");
    EXPECT_EQ(wmtValueText(0.0005f), "0.00050");
    EXPECT_EQ(wmtValueText(0.005f), "0.0050");
    EXPECT_EQ(wmtValueText(0.5f), "0.500");
    EXPECT_EQ(wmtValueText(1.0f), "1.00");
    EXPECT_EQ(wmtValueText(-12.5f), "-12.50");
    EXPECT_EQ(wmtValueText(100.0f), "100.0");
    EXPECT_EQ(wmtValueText(1000.0f), "1000");
    EXPECT_EQ(wmtValueText(std::numeric_limits<float>::quiet_NaN()), "NAN");
    EXPECT_EQ(wmtValueText(-std::numeric_limits<float>::infinity()), "NAN");
}

TEST(WmtMomentTable, AMeasurementShowsItsStatesAndValuesAfterTwoBlanks)
{
    const auto shown = table(ArchiveKind::WmtFiveMinute, {RecordBytes::wmtMeasurement(Stamp, 0, 0, Values),
                                                          RecordBytes::wmtMeasurement(Stamp, 0x10, 0x1234, Values)});
    EXPECT_EQ(row(*shown, 0), (QStringList{"  15.03.26", "  10:05:17", "  Норма", "  Норма", "  -12.50", "  -8.25",
                                           "  55.00", "  -20.75"}));
    EXPECT_EQ(row(*shown, 1).mid(2, 2), (QStringList{"  0x10", "  0x1234"}));
    EXPECT_TRUE(shown->serviceColumns().isEmpty());
    EXPECT_DOUBLE_EQ(shown->means().mean(2), 55.0);
}

TEST(WmtMomentTable, OffAndNoLinkHideTheStatusWordAndTheValues)
{
    const auto shown = table(ArchiveKind::WmtFiveMinute,
                             {RecordBytes::wmtMoment, RecordBytes::wmtMeasurement(Stamp, 0x04, 0x1234, Values)});
    EXPECT_EQ(row(*shown, 0),
              (QStringList{"  15.03.26", "  10:05:17", "  0x02", "", "  Выкл.", "  Выкл.", "  Выкл.", "  Выкл."}));
    EXPECT_EQ(row(*shown, 1).mid(2),
              (QStringList{"  0x04", " Нет связи", "       0", "       0", "       0", "       0"}));
    EXPECT_TRUE(shown->means().none());
}

TEST(WmtMomentTable, ANanShowsAsNanAndStaysOutOfItsMean)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const auto shown =
        table(ArchiveKind::WmtFiveMinute,
              {RecordBytes::wmtMeasurement(Stamp, 0, 0, {nan, 1.0f, 2.0f, 3.0f}),
               RecordBytes::wmtMeasurement(Stamp, 0, 0, {-10.0f, 3.0f, 2.0f, 3.0f}),
               RecordBytes::damaged(RecordBytes::wmtMeasurement(Stamp, 0, 0, {50.0f, 50.0f, 50.0f, 50.0f}))});
    EXPECT_EQ(shown->valueText(0, 0), "  NAN");
    EXPECT_DOUBLE_EQ(shown->means().mean(0), -10.0);
    EXPECT_DOUBLE_EQ(shown->means().mean(1), 2.0);
    EXPECT_EQ(row(*shown, 2), (QStringList{"     Данные", " недостов.", "", "", "", "", "", ""}));
}

TEST(WmtIntervalTable, AMeanShowsItsTimesStatusAndTheDailyStar)
{
    const auto daily =
        table(ArchiveKind::WmtDaily, {RecordBytes::wmtDaily, RecordBytes::wmtMean(Start, 0x0B, 0, Values)});
    EXPECT_EQ(row(*daily, 0), (QStringList{"  15.03.26", "  10:00:00", "  10:00:00", "  0x04", "       0", "       0",
                                           "       0", "       0"}));
    EXPECT_EQ(row(*daily, 1), (QStringList{"  15.03.26", "  10:00:00", "  11:00:00*", "  Норма", "  -12.50", "  -8.25",
                                           "  55.00", "  -20.75"}));
    const auto hourly = table(ArchiveKind::WmtHourly, {RecordBytes::wmtMean(Start, 0x0B, 0x02, Values)});
    EXPECT_EQ(row(*hourly, 0).mid(2),
              (QStringList{"  11:00:00", "  0x02", "  Выкл.", "  Выкл.", "  Выкл.", "  Выкл."}));
}
