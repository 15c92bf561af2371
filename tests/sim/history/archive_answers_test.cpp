#include "history_probe.h"

#include <gtest/gtest.h>

using namespace HistoryProbe;

namespace {

constexpr int chromatographMoment = 93;
constexpr int chromatographInterval = 92;
constexpr int moistureMoment = 29;
constexpr int moistureInterval = 28;
constexpr int chromatograph = 0;
constexpr int moistureMeter = 1;

SimReply ask(SimHistory& history, int stampLength, int device, const QDateTime& start, const QDateTime& end,
             const QDateTime& now)
{
    return history.answer(archiveFunction(stampLength), archiveRequest(stampLength, device, start, end), now);
}

// Reads a period block by block as the program does, checking every record's stamp on the way.
QList<QByteArray> readPeriod(SimHistory& history, int stampLength, const QDateTime& start, const QDateTime& end,
                             const QDateTime& now)
{
    const int step = stampLength == 5 ? 300 : stampLength == 4 ? 3600 : 86400;
    QList<QByteArray> all;
    QDateTime expected = start;
    for (;;) {
        const SimReply reply = ask(history, stampLength, chromatograph, expected, end, now);
        const QList<QByteArray> records =
            archiveRecords(reply, stampLength == 5 ? chromatographMoment : chromatographInterval);
        for (const QByteArray& record : records) {
            EXPECT_EQ(record.first(stampLength == 5 ? 5 : 3), stamp(expected, stampLength == 5 ? 5 : 3));
            all.append(record);
            expected = expected.addSecs(step);
        }
        if (records.size() < 2 || expected > end)
            return all;
    }
}

QByteArray onTheHour(int hour)
{
    return QByteArray(1, static_cast<char>(hour)) + QByteArray(2, '\0');
}

// The layouts' plausibility of a chromatograph analysis or mean, values from `offset`.
void expectNaturalGas(const QByteArray& record, int offset)
{
    const auto value = [&](int slot) { return floatAt(record, offset + 4 * slot); };
    double fractions = 0;
    for (const int slot : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 17})
        fractions += value(slot);
    EXPECT_NEAR(fractions, 100.0, 0.01);
    EXPECT_GT(value(8), 90.0); // methane
    EXPECT_LT(value(8), 98.5);
    EXPECT_GT(value(10), value(1)); // more ethane than propane
    EXPECT_GT(value(11), 33.0);     // superior heat, MJ/m3
    EXPECT_LT(value(11), 41.0);
    EXPECT_LT(value(18), value(11)); // inferior below superior
    EXPECT_GT(value(12), 0.66);      // density, kg/m3
    EXPECT_LT(value(12), 0.76);
    EXPECT_GT(value(13), 45.0); // Wobbe index
    EXPECT_LT(value(13), 52.0);
    EXPECT_GT(value(14), 0.996); // compression factor
    EXPECT_LT(value(14), 0.999);
    EXPECT_NEAR(value(15), 100.0, 0.3); // unnormalised sum
    EXPECT_NEAR(value(19), value(12) / 1.2041, 0.002);
}

} // namespace

TEST(SimArchives, FiveMinuteChromatographRecordsFollowTheLayout)
{
    SimHistory history({});
    const QDateTime now = at(2025, 3, 15, 10, 7, 30);
    int normal = 0;
    int calibrations = 0;
    for (QDateTime slot = at(2025, 3, 14, 10, 0); slot < at(2025, 3, 15, 10, 0); slot = slot.addSecs(600)) {
        const QList<QByteArray> records =
            archiveRecords(ask(history, 5, chromatograph, slot, slot.addSecs(300), now), chromatographMoment);
        ASSERT_EQ(records.size(), 2);
        for (int index = 0; index < 2; ++index) {
            const QByteArray& record = records[index];
            EXPECT_TRUE(intact(record));
            EXPECT_EQ(record.first(6), stamp(slot.addSecs(300 * index), 6));
            const auto flags = static_cast<std::uint8_t>(record[6]);
            EXPECT_EQ(flags & 0x04, 0) << "bit 2 has no meaning in a chromatograph record";
            calibrations += (flags & 0x80) ? 1 : 0;
            if (flags == 0x02 || flags == 0x20) { // switched off, no link: no values
                EXPECT_EQ(record.mid(7, 84), QByteArray(84, '\0'));
            }
            if ((flags & 0x7F) == 0) {
                ++normal;
                expectNaturalGas(record, 11);
            }
        }
    }
    EXPECT_GT(normal, 250);
    EXPECT_GE(calibrations, 1); // the daily automatic calibration
}

TEST(SimArchives, HourlyDayIsReadBlockByBlock)
{
    SimHistory history({});
    const QDateTime now = at(2025, 6, 10, 10, 20);
    const QList<QByteArray> day = readPeriod(history, 4, at(2025, 6, 9, 0), at(2025, 6, 9, 23), now);
    ASSERT_EQ(day.size(), 24);
    for (int hour = 0; hour < 24; ++hour) {
        const QByteArray& record = day[hour];
        EXPECT_TRUE(intact(record));
        EXPECT_EQ(record.mid(3, 3), onTheHour(hour));
        EXPECT_EQ(record.mid(6, 3), onTheHour((hour + 1) % 24));
        if ((static_cast<std::uint8_t>(record[9]) & 0x22) == 0) {
            expectNaturalGas(record, 10);
        }
    }
    // The last hour alone ends the reading with a short answer.
    EXPECT_EQ(archiveRecords(ask(history, 4, chromatograph, at(2025, 6, 9, 23), at(2025, 6, 9, 23), now),
                             chromatographInterval)
                  .size(),
              1);
}

TEST(SimArchives, DailyRecordsCoverGasDaysWithTheEndHourFlag)
{
    SimHistory history({});
    const QDateTime now = at(2025, 6, 10, 5, 0); // before the contract hour 9: 8 June is the newest day
    const QList<QByteArray> days = readPeriod(history, 3, at(2025, 5, 1), at(2025, 6, 30), now);
    ASSERT_EQ(days.size(), 39);
    EXPECT_EQ(days.last().first(3), stamp(at(2025, 6, 8), 3));
    for (const QByteArray& record : days) {
        EXPECT_TRUE(intact(record));
        EXPECT_EQ(record.mid(3, 3), QByteArray::fromHex("090000"));
        const auto endHour = static_cast<std::uint8_t>(record[6]);
        if (endHour & 0x80) {
            EXPECT_EQ(record.mid(6, 3), QByteArray::fromHex("890000"));
        } else {
            EXPECT_GT(endHour, 9) << "a day closed late, after a power failure";
        }
        if ((static_cast<std::uint8_t>(record[9]) & 0x22) == 0) {
            expectNaturalGas(record, 10);
        }
    }
}

TEST(SimArchives, RingsReachBackTheirDepthFromTheClock)
{
    SimHistory history({});
    const auto oldest = [&](int stampLength, const QDateTime& now) {
        const QList<QByteArray> records =
            archiveRecords(ask(history, stampLength, chromatograph, at(2015, 1, 1), now, now),
                           stampLength == 5 ? chromatographMoment : chromatographInterval);
        return records.isEmpty() ? QByteArray() : records[0].first(stampLength == 5 ? 5 : 4);
    };
    EXPECT_EQ(oldest(5, at(2025, 3, 15, 10, 7, 30)), stamp(at(2025, 1, 15, 10, 5), 5));
    EXPECT_EQ(oldest(5, at(2025, 4, 30, 10, 7)), stamp(at(2025, 3, 1, 10, 5), 5)); // 30 February does not exist
    EXPECT_EQ(oldest(4, at(2025, 6, 10, 10, 20)), stamp(at(2024, 6, 10, 10), 4));
    EXPECT_EQ(oldest(3, at(2025, 6, 10, 10, 20)).first(3), stamp(at(2021, 6, 10), 3));

    // The running interval has no record yet.
    const QDateTime now = at(2025, 3, 15, 10, 7, 30);
    EXPECT_EQ(
        archiveRecords(ask(history, 5, chromatograph, at(2025, 3, 15, 10, 0), now, now), chromatographMoment).size(),
        1);
    EXPECT_EQ(
        archiveRecords(ask(history, 5, chromatograph, at(2025, 3, 15, 10, 5), now, now), chromatographMoment).size(),
        0);
}

TEST(SimArchives, FirstRecordStampsAndTheDayShiftFlag)
{
    SimHistoryOptions options;
    options.historyStart = at(2025, 6, 1, 5, 30, 12);
    SimHistory history(options);
    TableMemory tables;
    const QDateTime now = at(2025, 6, 10, 12, 0);
    history.refreshTables(tables, now);
    const QByteArray start = stamp(options.historyStart, 6);
    QByteArray shifted = start;
    shifted[5] = static_cast<char>(shifted[5] | 0x80); // 05:30 is before the contract hour 9
    EXPECT_EQ(tables.table(27), start + start + shifted);

    const auto first = [&](int stampLength, int size) {
        return archiveRecords(ask(history, stampLength, chromatograph, at(2025, 5, 1), now, now), size)
            .value(0)
            .first(stampLength == 5 ? 5 : 4);
    };
    EXPECT_EQ(first(5, chromatographMoment), stamp(at(2025, 6, 1, 5, 30), 5));
    EXPECT_EQ(first(4, chromatographInterval), stamp(at(2025, 6, 1, 5), 4));
    EXPECT_EQ(first(3, chromatographInterval), stamp(at(2025, 5, 31, 9), 4)); // the gas day of 31 May

    // The contract hour comes from table 6.
    tables.table(6) = QByteArray::fromHex("03c9030ac9040301010000");
    history.refreshTables(tables, now);
    EXPECT_EQ(tables.table(27).mid(12), start);
    EXPECT_EQ(first(3, chromatographInterval), stamp(at(2025, 6, 1, 3), 4));

    // Before the history begins every archive is empty.
    history.refreshTables(tables, at(2025, 5, 20));
    EXPECT_EQ(tables.table(27), QByteArray::fromHex("010101000000").repeated(3));
    EXPECT_EQ(ask(history, 4, chromatograph, at(2025, 5, 1), at(2025, 5, 19), at(2025, 5, 20)).body,
              QByteArray(1, '\0'));
}

TEST(SimArchives, MoistureMeterAnswersHoldEightRecords)
{
    const QDateTime now = at(2025, 6, 10, 10, 20);
    SimHistory history({});
    const QList<QByteArray> moments =
        archiveRecords(ask(history, 5, moistureMeter, at(2025, 6, 9), now, now), moistureMoment);
    const QList<QByteArray> hours =
        archiveRecords(ask(history, 4, moistureMeter, at(2025, 6, 9), now, now), moistureInterval);
    ASSERT_EQ(moments.size(), 8);
    ASSERT_EQ(hours.size(), 8);
    for (int index = 0; index < 8; ++index) {
        EXPECT_TRUE(intact(moments[index]));
        EXPECT_TRUE(intact(hours[index]));
        EXPECT_EQ(moments[index].first(6), stamp(at(2025, 6, 9).addSecs(300 * index), 6));
        EXPECT_EQ(hours[index].first(4), stamp(at(2025, 6, 9, index), 4));
        if (moments[index][6] == 0) {
            EXPECT_GT(floatAt(moments[index], 11), -25.0); // water dew point, °C
            EXPECT_LT(floatAt(moments[index], 11), 0.0);
            EXPECT_GT(floatAt(moments[index], 19), 35.0); // gauge pressure, bar
            EXPECT_LT(floatAt(moments[index], 19), 60.0);
        }
        if (hours[index][9] == 0) {
            EXPECT_LT(floatAt(hours[index], 10), 0.0);
        }
    }

    SimHistoryOptions without;
    without.moistureMeter = false;
    SimHistory dry(without);
    EXPECT_EQ(ask(dry, 4, moistureMeter, at(2025, 6, 9), now, now).body, QByteArray(1, '\0'));
}

TEST(SimArchives, DamagedStampsFailTheirChecksumOnly)
{
    SimHistoryOptions options;
    options.damagedRecords = {at(2025, 6, 9, 10, 0), at(2025, 6, 8, 9, 0)};
    SimHistory history(options);
    const QDateTime now = at(2025, 6, 10, 10, 20);
    const auto pair = [&](int stampLength, const QDateTime& start, int size) {
        return archiveRecords(ask(history, stampLength, chromatograph, start, now, now), size);
    };
    const QList<QByteArray> moments = pair(5, at(2025, 6, 9, 10, 0), chromatographMoment);
    const QList<QByteArray> hours = pair(4, at(2025, 6, 9, 10), chromatographInterval);
    const QList<QByteArray> days = pair(3, at(2025, 6, 8), chromatographInterval);
    ASSERT_EQ(moments.size() + hours.size() + days.size(), 6);
    EXPECT_FALSE(intact(moments[0]));
    EXPECT_TRUE(intact(moments[1]));
    EXPECT_FALSE(intact(hours[0]));
    EXPECT_TRUE(intact(hours[1]));
    EXPECT_FALSE(intact(days[0]));
    EXPECT_TRUE(intact(days[1]));
    const QList<QByteArray> moisture =
        archiveRecords(ask(history, 5, moistureMeter, at(2025, 6, 9, 10, 0), now, now), moistureMoment);
    EXPECT_FALSE(intact(moisture.value(0)));
    EXPECT_TRUE(intact(moisture.value(1)));
}

TEST(SimArchives, HourlyRecordsCarryOnlyTheirStatusBits)
{
    SimHistory history({});
    const QDateTime now = at(2025, 6, 10, 10, 20);
    int flagged = 0;
    for (const QByteArray& record : readPeriod(history, 4, at(2025, 4, 1), at(2025, 5, 31, 23), now)) {
        const auto status = static_cast<std::uint8_t>(record[9]);
        EXPECT_EQ(status & ~0x7A, 0);
        flagged += status != 0 ? 1 : 0;
    }
    EXPECT_GT(flagged, 0);
}

TEST(SimArchives, MalformedRequestsGetErrorReplies)
{
    SimHistory history({});
    const QDateTime now = at(2025, 6, 10, 10, 20);
    const QByteArray good = archiveRequest(4, chromatograph, at(2025, 6, 9), at(2025, 6, 9, 5));
    const auto errorOf = [&](std::uint8_t function, const QByteArray& data) {
        const SimReply reply = history.answer(function, data, now);
        return reply.error ? reply.errorCode : 0;
    };
    EXPECT_EQ(errorOf(15, good), 0);
    EXPECT_EQ(errorOf(15, good.first(10)), 2);
    EXPECT_EQ(errorOf(14, good), 2);
    EXPECT_EQ(errorOf(15, QByteArray(good).replace(0, 1, "\x01")), 4);
    EXPECT_EQ(errorOf(15, QByteArray(good).replace(2, 1, "\x02")), 4);
    EXPECT_EQ(errorOf(15, QByteArray(good).replace(4, 1, "\x0d")), 4); // month 13
    EXPECT_EQ(errorOf(15, archiveRequest(4, chromatograph, at(2025, 6, 9, 5), at(2025, 6, 9))), 22);
}

TEST(SimArchives, SameSeedSameBytesWhateverTheOrder)
{
    const QDateTime now = at(2025, 6, 10, 10, 20);
    const QByteArray hourly = archiveRequest(4, chromatograph, at(2025, 6, 1, 7), now);
    const QByteArray daily = archiveRequest(3, moistureMeter, at(2025, 2, 1), now);
    SimHistory first({});
    SimHistory second({});
    const SimReply firstHourly = first.answer(15, hourly, now);
    const SimReply firstDaily = first.answer(16, daily, now);
    const SimReply secondDaily = second.answer(16, daily, now);
    const SimReply secondHourly = second.answer(15, hourly, now);
    EXPECT_EQ(firstHourly.body, secondHourly.body);
    EXPECT_EQ(firstDaily.body, secondDaily.body);

    SimHistoryOptions options;
    options.seed = 2;
    SimHistory other(options);
    EXPECT_NE(other.answer(15, hourly, now).body, firstHourly.body);
}
