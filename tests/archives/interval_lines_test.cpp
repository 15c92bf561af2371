#include "archives/interval_lines_reading.h"
#include "record_bytes.h"
#include "support/engine_settings.h"
#include "support/fake_line.h"
#include "support/frames.h"
#include "support/scripted_operator.h"

#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

constexpr int RequestDataAt = 4; // after the start symbol, address, length and function code

QByteArray hourStamp(int day, int hour)
{
    return bytes({26, 3, static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(hour), 0, 0});
}

QByteArray chromHour(int day, int hour)
{
    return RecordBytes::chromInterval(hourStamp(day, hour), static_cast<std::uint8_t>(hour + 1), 0);
}

QByteArray wmtHour(int day, int hour)
{
    return RecordBytes::wmtMean(hourStamp(day, hour), static_cast<std::uint8_t>(hour + 1), 0,
                                {-12.0F, -5.0F, 40.0F, -20.0F});
}

// The gas day of the 14th from 9 o'clock.
const Period GasDay{{26, 3, 14, 9, 0, 0}, {26, 3, 15, 8, 0, 0}};

class IntervalLinesOnAScriptedLine : public ::testing::Test {
protected:
    IntervalLinesOnAScriptedLine()
    {
        engine.setOperator(&person);
        engine.setTransport(line.connect());
        changeSettings(engine, [](ExchangeSettings& settings) {
            settings.attempts = 1;
            settings.openPerRequest = false;
        });
    }

    // The controller answers the next request with these records, announcing `announced` of them.
    void answer(ArchiveKind kind, const QList<QByteArray>& records, int announced = -1)
    {
        QByteArray body = bytes({static_cast<std::uint8_t>(announced < 0 ? records.size() : announced)});
        for (const QByteArray& record : records)
            body += record;
        line.answer(TestFrames::answer(1, archiveKindInfo(kind).functionCode | 0x80, body));
    }

    std::optional<PairedLines> read()
    {
        return readPairedLines({engine, person, image, settings, moistureMeter}, ArchiveKind::ChromHourly,
                               ArchiveKind::WmtHourly, GasDay, 24);
    }

    // The data of the requests of one instrument (0 the chromatograph, 1 the moisture meter).
    QList<QByteArray> requestData(std::uint8_t device) const
    {
        QList<QByteArray> data;
        for (const QByteArray& frame : line.writes())
            if (static_cast<std::uint8_t>(frame[RequestDataAt + 2]) == device)
                data << frame.mid(RequestDataAt, 11);
        return data;
    }

    QStringList messages() const
    {
        QStringList lines;
        for (const auto& message : person.messages())
            lines << message.line1 + " / " + message.line2;
        return lines;
    }

    FakeLine line;
    hgcbox engine{1};
    ScriptedOperator person;
    ParamImage image;
    SettingsBlock settings;
    std::uint8_t moistureMeter = 1;
};

TEST_F(IntervalLinesOnAScriptedLine, EachRequestStartsAfterTheLastLineAndAnEmptyAnswerEndsTheDay)
{
    // 11:00 is missing from both archives.
    answer(ArchiveKind::ChromHourly, {chromHour(14, 9), chromHour(14, 10)});
    answer(ArchiveKind::ChromHourly, {chromHour(14, 12)});
    answer(ArchiveKind::ChromHourly, {});
    answer(ArchiveKind::WmtHourly, {wmtHour(14, 9), wmtHour(14, 10), wmtHour(14, 12)});
    const std::optional<PairedLines> lines = read();

    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->chrom.count(), 3);
    EXPECT_EQ(lines->wmt.count(), 3);
    EXPECT_EQ(requestData(0), (QList<QByteArray>{bytes({3, 0, 0, 26, 3, 14, 9, 26, 3, 15, 8}),
                                                 bytes({3, 0, 0, 26, 3, 14, 11, 26, 3, 15, 8}),
                                                 bytes({3, 0, 0, 26, 3, 14, 13, 26, 3, 15, 8})}));
    EXPECT_EQ(requestData(1), QList<QByteArray>{bytes({3, 0, 1, 26, 3, 14, 9, 26, 3, 15, 8})})
        << "as many moisture-meter lines as the chromatograph's are all there is to read";
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(person.progressMaximum(), 48);
}

TEST_F(IntervalLinesOnAScriptedLine, TheDaysLastHourEndsTheReadingWithoutAnotherRequest)
{
    answer(ArchiveKind::ChromHourly, {chromHour(15, 7), chromHour(15, 8)});
    answer(ArchiveKind::WmtHourly, {wmtHour(15, 7), wmtHour(15, 8)});
    const std::optional<PairedLines> lines = read();

    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->wmt.count(), 2);
    EXPECT_EQ(line.writes().size(), 2);
}

TEST_F(IntervalLinesOnAScriptedLine, ALineOutOfThePeriodOrBeforeTheLastFailsTheReading)
{
    answer(ArchiveKind::ChromHourly, {chromHour(14, 10), chromHour(14, 9)});
    EXPECT_FALSE(read());
    EXPECT_EQ(messages(), QStringList{"Передаваемые контроллером данные не соответствуют / запрошенному периоду"});

    answer(ArchiveKind::ChromHourly, {chromHour(15, 9)});
    EXPECT_FALSE(read());
    EXPECT_EQ(messages().size(), 2) << "the hour after the gas day's last";
    EXPECT_EQ(line.writes().size(), 2) << "the moisture meter is not asked";
}

TEST_F(IntervalLinesOnAScriptedLine, TheMoistureMetersLinesMustHaveTheChromatographsStampsAndNumber)
{
    answer(ArchiveKind::ChromHourly, {chromHour(14, 9), chromHour(14, 10)});
    answer(ArchiveKind::ChromHourly, {});
    answer(ArchiveKind::WmtHourly, {wmtHour(14, 9), wmtHour(14, 11)});
    EXPECT_FALSE(read());
    EXPECT_EQ(messages(), QStringList{"Несоответствие дат в записях / архивов данных хроматографа и влагомера"});

    answer(ArchiveKind::ChromHourly, {chromHour(14, 9), chromHour(14, 10)});
    answer(ArchiveKind::ChromHourly, {});
    answer(ArchiveKind::WmtHourly, {wmtHour(14, 9)});
    answer(ArchiveKind::WmtHourly, {});
    EXPECT_FALSE(read());
    EXPECT_EQ(messages().value(1), "Несоответствие количества прочитанных данных / хроматографа (2) и влагомера (1)");
}

TEST_F(IntervalLinesOnAScriptedLine, AnAnswerNotHoldingItsCountOrNoLineAtAllIsNotRead)
{
    answer(ArchiveKind::ChromHourly, {chromHour(14, 9)}, 2);
    EXPECT_FALSE(read());
    EXPECT_EQ(messages(), QStringList{"Часовые данные хроматографа из архива / не прочитаны"});
    EXPECT_EQ(person.panel(StatusPanel::Transient), "Несоответствие запрошенных и переданных данных.");

    answer(ArchiveKind::ChromHourly, {chromHour(14, 9)});
    answer(ArchiveKind::ChromHourly, {});
    answer(ArchiveKind::WmtHourly, {});
    EXPECT_FALSE(read());
    EXPECT_EQ(messages().value(1), "Часовые данные влагомера из архива / не прочитаны");
}

} // namespace
