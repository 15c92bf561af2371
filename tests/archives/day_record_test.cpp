#include "archives/chrom_interval_record.h"
#include "archives/day_record_reading.h"
#include "record_bytes.h"
#include "support/frames.h"

#include <gtest/gtest.h>


namespace {

using RecordBytes::bytes;

const QDate Day(2008, 12, 31);

// The mean of a gas day from 09:00 on `date`, closed on time.
QByteArray dayRecord(const QByteArray& date, std::uint8_t status = 0, GasParams values = RecordBytes::gasValues())
{
    return RecordBytes::chromInterval(date + bytes({9, 0, 0}), 0x89, status, values);
}

QByteArray answer(std::uint8_t announced, const QByteArray& records)
{
    return TestFrames::answer(1, 16, bytes({announced}) + records);
}

DayRecordFault faultOf(const QByteArray& frame)
{
    const auto checked = dayRecordOfAnswer(ArchiveKind::ChromDaily, frame, Day);
    EXPECT_TRUE(std::holds_alternative<DayRecordFault>(checked));
    return std::holds_alternative<DayRecordFault>(checked) ? std::get<DayRecordFault>(checked)
                                                           : DayRecordFault::NoRecord;
}

} // namespace

TEST(DayRecord, TheRequestAsksForTheOneDayAlone)
{
    EXPECT_EQ(dayRecordRequestData(ArchiveKind::ChromDaily, Day), bytes({3, 0, 0, 8, 12, 31, 8, 12, 31}));
    EXPECT_EQ(dayRecordRequestData(ArchiveKind::WmtDaily, Day), bytes({3, 0, 1, 8, 12, 31, 8, 12, 31}));
}

TEST(DayRecord, TheRecordOfTheDayAskedIsTaken)
{
    const auto checked = dayRecordOfAnswer(ArchiveKind::ChromDaily, answer(1, dayRecord(bytes({8, 12, 31}))), Day);
    ASSERT_TRUE(std::holds_alternative<QByteArray>(checked));
    EXPECT_EQ(ChromIntervalRecord(std::get<QByteArray>(checked)).gasParams(), RecordBytes::gasValues());
}

TEST(DayRecord, AnAnswerWithoutARecordHasNone)
{
    EXPECT_EQ(faultOf(answer(0, {})), DayRecordFault::NoRecord);
}

TEST(DayRecord, ACountTheAnswerDoesNotHoldOrMoreThanOneDayIsAFailedRequest)
{
    EXPECT_EQ(faultOf(answer(2, dayRecord(bytes({8, 12, 31})))), DayRecordFault::CountNotHeld);
    EXPECT_EQ(faultOf(answer(1, dayRecord(bytes({8, 12, 31})).first(60))), DayRecordFault::CountNotHeld);
    EXPECT_EQ(faultOf(answer(2, dayRecord(bytes({8, 12, 31})) + dayRecord(bytes({9, 1, 1})))),
              DayRecordFault::CountNotHeld);
}

TEST(DayRecord, ADamagedRecordOrOneOfAnotherDayIsNoRecordOfTheDay)
{
    EXPECT_EQ(faultOf(answer(1, RecordBytes::damaged(dayRecord(bytes({8, 12, 31}))))), DayRecordFault::Damaged);
    EXPECT_EQ(faultOf(answer(1, dayRecord(bytes({8, 12, 30})))), DayRecordFault::OtherDay);
    EXPECT_EQ(faultOf(answer(1, dayRecord(bytes({9, 12, 31})))), DayRecordFault::OtherDay);
}
