#include "archives/archive_answer.h"
#include "archives/archive_request.h"
#include "archives/chrom_moment_record.h"
#include "archives/wmt_interval_record.h"
#include "record_bytes.h"
#include "support/frames.h"

#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

const DateStamp start{26, 3, 15, 10, 5, 30};
const DateStamp end{26, 3, 16, 12, 40, 59};

TEST(ArchiveRequest, EachArchiveAsksWithItsHeadAndStampsCutToItsUnit)
{
    EXPECT_EQ(archiveRequestData(ArchiveKind::ChromFiveMinute, start, end),
              bytes({1, 0, 0, 26, 3, 15, 10, 5, 26, 3, 16, 12, 40}));
    EXPECT_EQ(archiveRequestData(ArchiveKind::ChromHourly, start, end), bytes({3, 0, 0, 26, 3, 15, 10, 26, 3, 16, 12}));
    EXPECT_EQ(archiveRequestData(ArchiveKind::ChromDaily, start, end), bytes({3, 0, 0, 26, 3, 15, 26, 3, 16}));
    EXPECT_EQ(archiveRequestData(ArchiveKind::WmtFiveMinute, start, end),
              bytes({1, 0, 1, 26, 3, 15, 10, 5, 26, 3, 16, 12, 40}));
    EXPECT_EQ(archiveRequestData(ArchiveKind::WmtHourly, start, end), bytes({3, 0, 1, 26, 3, 15, 10, 26, 3, 16, 12}));
    EXPECT_EQ(archiveRequestData(ArchiveKind::WmtDaily, start, end), bytes({3, 0, 1, 26, 3, 15, 26, 3, 16}));
}

QByteArray chromRecord(int minute)
{
    return RecordBytes::chromMoment(bytes({26, 3, 15, 10, static_cast<std::uint8_t>(minute), 0}), 0);
}

QByteArray answerFrame(ArchiveKind kind, std::uint8_t announced, const QByteArray& records)
{
    return TestFrames::answer(1, archiveKindInfo(kind).functionCode, bytes({announced}) + records);
}

TEST(ArchiveAnswer, TwoChromatographAnalysesAreAFullAnswer)
{
    const ArchiveAnswer answer = parseArchiveAnswer(
        ArchiveKind::ChromFiveMinute, answerFrame(ArchiveKind::ChromFiveMinute, 2, chromRecord(5) + chromRecord(10)));
    ASSERT_EQ(answer.records.count(), 2);
    EXPECT_TRUE(answer.full);
    EXPECT_EQ(answer.records.at<ChromMomentRecord>(0).stamp().minute, 5);
    EXPECT_EQ(answer.records.at<ChromMomentRecord>(1).stamp().minute, 10);
    EXPECT_TRUE(answer.records.at<ChromMomentRecord>(1).intact());
}

TEST(ArchiveAnswer, FewerRecordsThanAFullAnswerEndTheArchive)
{
    const ArchiveAnswer one =
        parseArchiveAnswer(ArchiveKind::ChromFiveMinute, answerFrame(ArchiveKind::ChromFiveMinute, 1, chromRecord(5)));
    EXPECT_EQ(one.records.count(), 1);
    EXPECT_FALSE(one.full);

    const ArchiveAnswer none = parseArchiveAnswer(ArchiveKind::WmtDaily, answerFrame(ArchiveKind::WmtDaily, 0, {}));
    EXPECT_EQ(none.records.count(), 0);
    EXPECT_FALSE(none.full);
}

TEST(ArchiveAnswer, ACountBeyondTheRecordsInTheFrameTakesOnlyThoseThere)
{
    // Two announced, one and a half sent: the half record is no record.
    const ArchiveAnswer answer =
        parseArchiveAnswer(ArchiveKind::ChromFiveMinute,
                           answerFrame(ArchiveKind::ChromFiveMinute, 2, chromRecord(5) + chromRecord(10).first(40)));
    EXPECT_EQ(answer.records.count(), 1);
    EXPECT_FALSE(answer.full);
    EXPECT_FALSE(answer.countHeld);
    EXPECT_EQ(answer.records.bytes(), chromRecord(5));
}

TEST(ArchiveAnswer, ACountOfMoreThanAFrameHoldsTakesTheWholeRecordsOfAFullAnswer)
{
    // 255 announced in a frame of the greatest length: eight records and the start of a ninth.
    QByteArray eight;
    for (int i = 0; i < 8; ++i)
        eight += RecordBytes::wmtDaily;
    const QByteArray frame = answerFrame(ArchiveKind::WmtDaily, 255, eight + RecordBytes::wmtDaily.first(24));
    ASSERT_EQ(frame.size(), 255);
    const ArchiveAnswer answer = parseArchiveAnswer(ArchiveKind::WmtDaily, frame);
    EXPECT_EQ(answer.records.bytes(), eight);
    EXPECT_TRUE(answer.full);
    EXPECT_FALSE(answer.countHeld);
}

TEST(ArchiveAnswer, TheLengthByteBoundsTheRecordsNotTheBufferBehindIt)
{
    // The engine's buffer holds 256 bytes whatever arrived; what lies past the
    // frame's length (here a stale record) is not part of the answer.
    QByteArray buffer = answerFrame(ArchiveKind::WmtHourly, 2, RecordBytes::wmtDaily);
    buffer += RecordBytes::wmtDaily;
    buffer.resize(256, '\0');
    const ArchiveAnswer answer = parseArchiveAnswer(ArchiveKind::WmtHourly, buffer);
    EXPECT_EQ(answer.records.count(), 1);
    EXPECT_EQ(WmtIntervalRecord(answer.records.recordBytes(0)).values()[0], -12.5f);

    EXPECT_EQ(parseArchiveAnswer(ArchiveKind::WmtHourly, bytes({0x33, 1, 255, 15})).records.count(), 0);
}

} // namespace
