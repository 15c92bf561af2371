#include "archives/archive_reading_choices.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

namespace {

const QDateTime now(QDate(2026, 12, 8), QTime(10, 30));

QByteArray bytes(std::initializer_list<std::uint8_t> values)
{
    QByteArray result;
    for (const std::uint8_t value : values)
        result.append(static_cast<char>(value));
    return result;
}

// rd_arh.ini as a station running the Windows program leaves it: two 32-bit
// numbers and two date-times (doubles counting days from 30 December 1899), all
// least significant byte first, then bytes the program keeps without reading.
const QByteArray stationRecord =
    bytes({0x02, 0x00, 0x00, 0x00,                          // first choice: 2
           0x00, 0x00, 0x00, 0x00,                          // second choice: 0
           0x00, 0x00, 0x00, 0x00, 0x48, 0x80, 0xe6, 0x40,  // 46082.25: 1 March 2026 06:00
           0xab, 0xaa, 0xaa, 0xaa, 0x18, 0x84, 0xe6, 0x40}) // 46112.7708...: 31 March 2026 18:30
    + bytes({0x01, 0x00, 0x00, 0x00, 0x10, 0x27, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
             0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
             0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x7f, 0x80, 0xff});

TEST(ArchiveReadingChoices, ARecordWrittenOnWindowsReadsAsItsValues)
{
    ASSERT_EQ(stationRecord.size(), ArchiveReadingChoices::size);
    TempWorkdir dir;
    dir.write("rd_arh.ini", stationRecord);
    const ArchiveReadingChoices choices = ArchiveReadingChoices::load(dir.file("rd_arh.ini"), now);
    EXPECT_EQ(choices.firstChoice(), 2);
    EXPECT_EQ(choices.secondChoice(), 0);
    EXPECT_EQ(choices.periodStart(), QDateTime(QDate(2026, 3, 1), QTime(6, 0)));
    EXPECT_EQ(choices.periodEnd(), QDateTime(QDate(2026, 3, 31), QTime(18, 30)));

    ASSERT_EQ(choices.save(dir.file("rd_arh.ini")).status, SaveStatus::Saved);
    EXPECT_EQ(dir.read("rd_arh.ini"), stationRecord) << "the record goes back byte for byte";
}

TEST(ArchiveReadingChoices, ANewPeriodChangesOnlyTheDatesAndTheDefaultsAreWrittenAsWindowsDoes)
{
    TempWorkdir dir;
    dir.write("rd_arh.ini", stationRecord);
    ArchiveReadingChoices choices = ArchiveReadingChoices::load(dir.file("rd_arh.ini"), now);
    choices.setPeriod(QDateTime(QDate(2026, 3, 1), QTime(0, 0)), QDateTime(QDate(2026, 3, 2), QTime(12, 0)));
    ASSERT_EQ(choices.save(dir.file("rd_arh.ini")).status, SaveStatus::Saved);
    QByteArray expected = stationRecord;
    expected.replace(8, 16,
                     bytes({0x00, 0x00, 0x00, 0x00, 0x40, 0x80, 0xe6, 0x40,    // 46082.0
                            0x00, 0x00, 0x00, 0x00, 0x70, 0x80, 0xe6, 0x40})); // 46083.5
    EXPECT_EQ(dir.read("rd_arh.ini"), expected);

    ASSERT_EQ(ArchiveReadingChoices::defaults(now).save(dir.file("rd_arh.ini")).status, SaveStatus::Saved);
    EXPECT_EQ(dir.read("rd_arh.ini").left(8), bytes({0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00}));
}

TEST(ArchiveReadingChoices, ATimeLessThanHalfAMillisecondBeforeMidnightReadsAsTheNextMidnight)
{
    QByteArray record = stationRecord;
    // 46082.99999999999: 1 March 2026, less than a microsecond before 2 March.
    record.replace(8, 8, bytes({0xff, 0xff, 0xff, 0xff, 0x5f, 0x80, 0xe6, 0x40}));
    // 131071.99999999999: the end date the fuzzer found read a day early.
    record.replace(16, 8, bytes({0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x40}));
    TempWorkdir dir;
    dir.write("rd_arh.ini", record);
    const ArchiveReadingChoices choices = ArchiveReadingChoices::load(dir.file("rd_arh.ini"), now);
    EXPECT_EQ(choices.periodStart(), QDateTime(QDate(2026, 3, 2), QTime(0, 0)));
    EXPECT_EQ(choices.periodEnd(), QDateTime(QDate(1899, 12, 30).addDays(131072), QTime(0, 0)));
}

TEST(ArchiveReadingChoices, AShortRecordStandsForTheDefaults)
{
    TempWorkdir dir;
    dir.write("rd_arh.ini", stationRecord.left(ArchiveReadingChoices::size - 1));
    const ArchiveReadingChoices choices = ArchiveReadingChoices::load(dir.file("rd_arh.ini"), now);
    EXPECT_EQ(choices.firstChoice(), 0);
    EXPECT_EQ(choices.secondChoice(), 1);
    EXPECT_EQ(choices.periodStart(), now);
    EXPECT_EQ(choices.periodEnd(), now);
}

} // namespace
