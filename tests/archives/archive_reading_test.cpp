#include "archives/archive_reading.h"
#include "archives/stamp_bytes.h"
#include "record_bytes.h"
#include "support/engine_settings.h"
#include "support/fake_line.h"
#include "support/frames.h"
#include "support/scripted_operator.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

const QDateTime PcNow(QDate(2026, 3, 16), QTime(8, 30, 15));
constexpr int RequestDataAt = 4; // after the start symbol, address, length and function code

QByteArray stampOf(int day, int hour, int minute)
{
    return bytes({26, 3, static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(hour),
                  static_cast<std::uint8_t>(minute), 0});
}

QByteArray hourly(int day, int hour)
{
    return RecordBytes::chromInterval(stampOf(day, hour, 0), static_cast<std::uint8_t>(hour + 1), 0);
}

QByteArray moment(int hour, int minute)
{
    return RecordBytes::chromMoment(stampOf(15, hour, minute), 0);
}

QByteArray daily(int day)
{
    return RecordBytes::chromInterval(stampOf(day, 10, 0), 0x8a, 0);
}

class ReadingOnAScriptedLine : public ::testing::Test {
protected:
    ReadingOnAScriptedLine()
    {
        engine.setOperator(&person);
        engine.setTransport(line.connect());
        changeSettings(engine, [](ExchangeSettings& settings) {
            settings.attempts = 1;
            settings.openPerRequest = false;
        });
        image.table(14)[6] = 2;
    }

    // The controller answers the next request with these records.
    void answer(ArchiveKind kind, const QList<QByteArray>& records)
    {
        QByteArray body = bytes({static_cast<std::uint8_t>(records.size())});
        for (const QByteArray& record : records)
            body += record;
        line.answer(TestFrames::answer(1, archiveKindInfo(kind).functionCode | 0x80, body));
    }

    std::optional<ArchiveFile> read(ArchiveKind kind, const Period& period)
    {
        return readArchivePeriod({engine, person, image, settings, moistureMeter},
                                 {kind, period, workdir.file("datafile.hdm"), [] { return PcNow; }});
    }

    // The start stamp of every request sent, as many bytes as the archive's stamps have.
    QList<QByteArray> requestStarts(ArchiveKind kind) const
    {
        QList<QByteArray> starts;
        for (const QByteArray& frame : line.writes())
            starts << frame.mid(RequestDataAt + 3, archiveKindInfo(kind).stampLength);
        return starts;
    }

    QList<ScriptedOperator::Message> messages() const { return person.messages(); }

    FakeLine line;
    hgcbox engine{1};
    ScriptedOperator person;
    ParamImage image;
    SettingsBlock settings;
    std::uint8_t moistureMeter = 1;
    TempWorkdir workdir;
};

const Period TenToEleven{{26, 3, 15, 10, 0, 0}, {26, 3, 15, 11, 0, 0}};

TEST_F(ReadingOnAScriptedLine, AFullAnswerReachingTheEndIsTheLastRequest)
{
    answer(ArchiveKind::ChromHourly, {hourly(15, 10), hourly(15, 11)});
    const std::optional<ArchiveFile> file = read(ArchiveKind::ChromHourly, TenToEleven);

    ASSERT_TRUE(file);
    EXPECT_EQ(line.writes().size(), 1);
    EXPECT_EQ(line.writes()[0].mid(RequestDataAt, 11), bytes({3, 0, 0, 26, 3, 15, 10, 26, 3, 15, 11}));
    EXPECT_EQ(file->records.bytes(), hourly(15, 10) + hourly(15, 11));
    EXPECT_EQ(workdir.read("datafile.hdm"), file->records.bytes()) << "the temporary file holds the records only";
    EXPECT_EQ(file->header.count(), 2u);
    EXPECT_EQ(file->header.periodStart(), TenToEleven.start);
    EXPECT_EQ(file->header.periodEnd(), TenToEleven.end);
    EXPECT_EQ(file->header.pcTime(), (DateStamp{26, 3, 16, 8, 30, 15}));
    EXPECT_EQ(file->header.chromatographType(), 2);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(person.progressCompletions(), 1);
    EXPECT_FALSE(person.progressShown());
}

TEST_F(ReadingOnAScriptedLine, TheNextRequestStartsAfterTheLastRecordReceived)
{
    // 11:00 and 12:00 are missing from the archive: 13:00 still lies in the period.
    answer(ArchiveKind::ChromHourly, {hourly(15, 10), hourly(15, 13)});
    answer(ArchiveKind::ChromHourly, {hourly(15, 14), hourly(15, 15)});
    const std::optional<ArchiveFile> file =
        read(ArchiveKind::ChromHourly, {{26, 3, 15, 10, 0, 0}, {26, 3, 15, 15, 0, 0}});

    ASSERT_TRUE(file);
    EXPECT_EQ(requestStarts(ArchiveKind::ChromHourly), (QList<QByteArray>{bytes({26, 3, 15, 10}), bytes({26, 3, 15, 14})}));
    EXPECT_EQ(file->records.count(), 4);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ReadingOnAScriptedLine, FiveMinuteBlocksFollowTheSlotsOfTheFirstRecord)
{
    answer(ArchiveKind::ChromFiveMinute, {moment(10, 2), moment(10, 7)});
    answer(ArchiveKind::ChromFiveMinute, {moment(10, 12)});
    const std::optional<ArchiveFile> file =
        read(ArchiveKind::ChromFiveMinute, {{26, 3, 15, 10, 0, 0}, {26, 3, 15, 11, 0, 0}});

    ASSERT_TRUE(file);
    EXPECT_EQ(requestStarts(ArchiveKind::ChromFiveMinute),
              (QList<QByteArray>{bytes({26, 3, 15, 10, 0}), bytes({26, 3, 15, 10, 10})}));
    EXPECT_EQ(file->records.count(), 3) << "an answer of one record ends the reading whatever the period";
    EXPECT_EQ(person.progressMaximum(), 12);
}

TEST_F(ReadingOnAScriptedLine, ARecordOutOfThePeriodAnsweredNoIsKeptAndEndsTheReading)
{
    answer(ArchiveKind::ChromHourly, {hourly(15, 10), hourly(15, 16)});
    const std::optional<ArchiveFile> file = read(ArchiveKind::ChromHourly, TenToEleven);

    ASSERT_TRUE(file);
    EXPECT_EQ(file->records.count(), 2);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].kind, MessageKind::Question);
    EXPECT_EQ(messages()[0].line1, "Передаваемые контроллером данные не соответствуют");
    EXPECT_EQ(messages()[0].line2, "запрошенному периоду.    Продолжить чтение?");
}

TEST_F(ReadingOnAScriptedLine, AfterYesTheStampsAreNoLongerChecked)
{
    person.answerYes();
    answer(ArchiveKind::ChromHourly, {hourly(15, 8), hourly(15, 9)});
    answer(ArchiveKind::ChromHourly, {hourly(15, 3), hourly(15, 10)});
    answer(ArchiveKind::ChromHourly, {hourly(15, 11)});
    const std::optional<ArchiveFile> file =
        read(ArchiveKind::ChromHourly, {{26, 3, 15, 10, 0, 0}, {26, 3, 15, 20, 0, 0}});

    ASSERT_TRUE(file);
    EXPECT_EQ(file->records.count(), 5);
    EXPECT_EQ(messages().size(), 1);
}

TEST_F(ReadingOnAScriptedLine, ADailyRecordMayBeDatedADayBeforeItsGasDay)
{
    answer(ArchiveKind::WmtDaily, {});
    const Period days{{26, 3, 15, 0, 0, 0}, {26, 3, 17, 0, 0, 0}};
    EXPECT_FALSE(read(ArchiveKind::WmtDaily, days)) << "an empty daily result shows nothing";
    EXPECT_TRUE(messages().isEmpty());

    // This controller dates each gas day by the calendar day it began on.
    answer(ArchiveKind::ChromDaily, {daily(14), daily(15)});
    answer(ArchiveKind::ChromDaily, {daily(16)});
    const std::optional<ArchiveFile> file = read(ArchiveKind::ChromDaily, days);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->records.count(), 3);
    EXPECT_EQ(requestStarts(ArchiveKind::ChromDaily).last(), bytes({26, 3, 17}));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ReadingOnAScriptedLine, EscapeDuringTheFirstBlockShowsThatBlockAndAsksNoMore)
{
    person.pressEscapeAtPump(1);
    answer(ArchiveKind::ChromFiveMinute, {moment(10, 0), moment(10, 5)});
    answer(ArchiveKind::ChromFiveMinute, {moment(10, 10), moment(10, 15)});
    const std::optional<ArchiveFile> file =
        read(ArchiveKind::ChromFiveMinute, {{26, 3, 15, 10, 0, 0}, {26, 3, 15, 11, 0, 0}});

    ASSERT_TRUE(file);
    EXPECT_EQ(line.writes().size(), 1);
    EXPECT_EQ(file->records.count(), 2);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].line1, "Мгновенные данные хроматографа из архива");
    EXPECT_EQ(messages()[0].line2, "прочитаны не полностью");
}

TEST_F(ReadingOnAScriptedLine, AFailedFirstRequestShowsNothingAndALaterOneShowsWhatArrived)
{
    line.answer(TestFrames::errorReply(1, 15, 9));
    EXPECT_FALSE(read(ArchiveKind::WmtHourly, TenToEleven));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].kind, MessageKind::Information);
    EXPECT_EQ(messages()[0].line1, "Часовые данные влагомера из архива");
    EXPECT_EQ(messages()[0].line2, "не прочитаны");
    EXPECT_EQ(person.panel(StatusPanel::Transient), engine.errorMessage());
    EXPECT_FALSE(person.progressShown());

    QList<QByteArray> eight;
    for (int hour = 0; hour < 8; ++hour)
        eight << RecordBytes::wmtDaily;
    answer(ArchiveKind::WmtHourly, eight);
    line.answer(TestFrames::errorReply(1, 15, 9));
    person.answerYes(); // the records' stamps are not those asked for
    const std::optional<ArchiveFile> file = read(ArchiveKind::WmtHourly, {{26, 3, 15, 0, 0, 0}, {26, 3, 16, 0, 0, 0}});
    ASSERT_TRUE(file);
    EXPECT_EQ(file->records.count(), 8);
    EXPECT_EQ(messages().last().line2, "прочитаны не полностью");
}

TEST_F(ReadingOnAScriptedLine, AnAnswerAnnouncingMoreRecordsThanItHoldsIsAFailedRequest)
{
    line.answer(TestFrames::answer(1, 15 | 0x80, bytes({2}) + hourly(15, 10)));
    EXPECT_FALSE(read(ArchiveKind::ChromHourly, TenToEleven));
    EXPECT_EQ(messages().value(0).line2, "не прочитаны");
    EXPECT_EQ(person.panel(StatusPanel::Transient), "Несоответствие запрошенных и переданных данных.");
}

TEST_F(ReadingOnAScriptedLine, AnEmptyFiveMinuteResultSaysSo)
{
    answer(ArchiveKind::ChromFiveMinute, {});
    EXPECT_FALSE(read(ArchiveKind::ChromFiveMinute, TenToEleven));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].line1, "Нет данных за указанный период");
}

TEST_F(ReadingOnAScriptedLine, ATemporaryFileThatCannotBeMadeStopsBeforeAnyRequest)
{
    workdir.write("datafile.hdm/blocker", "");
    EXPECT_FALSE(read(ArchiveKind::ChromHourly, TenToEleven));
    EXPECT_TRUE(line.writes().isEmpty());
    EXPECT_EQ(messages().value(0).line1, "Ошибка открытия файла");
}

} // namespace
