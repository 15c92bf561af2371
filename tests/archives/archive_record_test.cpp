#include "archives/chrom_interval_record.h"
#include "archives/chrom_moment_record.h"
#include "archives/wmt_interval_record.h"
#include "archives/wmt_moment_record.h"
#include "record_bytes.h"

#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

const WmtParams wmtValues{-12.5f, -8.25f, 55.0f, -20.75f};

GasParams expectedGas()
{
    GasParams values{};
    for (int slot = 0; slot < GasParamsSize; ++slot)
        values[static_cast<std::size_t>(slot)] = RecordBytes::gasValue(slot);
    return values;
}

QByteArray damaged(QByteArray record, int at)
{
    record[at] = static_cast<char>(record[at] ^ 0x10);
    return record;
}

TEST(ArchiveRecords, AMoistureMeterDailyMeanReadsAsTheControllerWroteIt)
{
    const WmtIntervalRecord record(RecordBytes::wmtDaily);
    EXPECT_EQ(record.start(), (DateStamp{26, 3, 15, 10, 0, 0}));
    EXPECT_EQ(record.end(), (TimeOfDay{10, 0, 0}));
    EXPECT_TRUE(record.dailyFlag());
    EXPECT_EQ(record.status(), WmtIntervalRecord::NoMeterLink);
    EXPECT_EQ(record.values(), wmtValues);
    EXPECT_TRUE(record.intact());
}

TEST(ArchiveRecords, AMoistureMeterMeasurementReadsAsTheControllerWroteIt)
{
    const WmtMomentRecord record(RecordBytes::wmtMoment);
    EXPECT_EQ(record.stamp(), (DateStamp{26, 3, 15, 10, 5, 17}));
    EXPECT_EQ(record.flags(), WmtMomentRecord::SwitchedOff);
    EXPECT_EQ(record.meterStatus(), 0x1234);
    EXPECT_EQ(record.values(), wmtValues);
    EXPECT_TRUE(record.intact());
}

TEST(ArchiveRecords, AChromatographAnalysisReadsItsStampFlagsStatusWordAndTwentyValues)
{
    const ChromMomentRecord record(RecordBytes::chromMoment(bytes({26, 12, 31, 23, 55, 7}), 0x82));
    ASSERT_EQ(record.bytes().size(), ChromMomentRecord::Size);
    EXPECT_EQ(record.stamp(), (DateStamp{26, 12, 31, 23, 55, 7}));
    EXPECT_EQ(record.flags(), ChromMomentRecord::AutomaticCalibration | ChromMomentRecord::SwitchedOff);
    EXPECT_EQ(record.chromatographStatus(), 0x0201); // byte 8 is the high byte
    EXPECT_EQ(record.gasParams(), expectedGas());
    EXPECT_TRUE(record.intact());
}

TEST(ArchiveRecords, AChromatographDailyMeanCarriesItsFlagInTheEndHour)
{
    const ChromIntervalRecord daily(RecordBytes::chromInterval(bytes({26, 6, 8, 10, 0, 0}), 0x80 | 9, 0x22));
    ASSERT_EQ(daily.bytes().size(), ChromIntervalRecord::Size);
    EXPECT_EQ(daily.start(), (DateStamp{26, 6, 8, 10, 0, 0}));
    EXPECT_EQ(daily.end(), (TimeOfDay{9, 0, 0}));
    EXPECT_TRUE(daily.dailyFlag());
    EXPECT_EQ(daily.status(), ChromIntervalRecord::SwitchedOff | ChromIntervalRecord::NoHmuLink);
    EXPECT_EQ(daily.gasParams(), expectedGas());
    EXPECT_TRUE(daily.intact());

    const ChromIntervalRecord unflagged(RecordBytes::chromInterval(bytes({26, 6, 8, 10, 0, 0}), 10, 0));
    EXPECT_EQ(unflagged.end(), (TimeOfDay{10, 0, 0}));
    EXPECT_FALSE(unflagged.dailyFlag());
}

TEST(ArchiveRecords, AnyChangedByteOrChecksumMakesARecordDamaged)
{
    const QByteArray chrom = RecordBytes::chromMoment(bytes({26, 3, 15, 10, 5, 0}), 0);
    for (const int at : {0, 46, ChromMomentRecord::Size - 1})
        EXPECT_FALSE(ChromMomentRecord(damaged(chrom, at)).intact()) << "byte " << at;
    EXPECT_FALSE(WmtIntervalRecord(damaged(RecordBytes::wmtDaily, 12)).intact());
    EXPECT_FALSE(WmtMomentRecord(damaged(RecordBytes::wmtMoment, WmtMomentRecord::Size - 2)).intact());
}

TEST(ArchiveRecords, ARecordCutShortReadsZerosAndIsDamaged)
{
    const WmtIntervalRecord cut(RecordBytes::wmtDaily.first(20));
    EXPECT_EQ(cut.bytes().size(), WmtIntervalRecord::Size);
    EXPECT_EQ(cut.values()[WmtSlot::ReducedWaterDewPoint], 0.0f);
    EXPECT_FALSE(cut.intact());
}

} // namespace
