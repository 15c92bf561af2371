#include "history_probe.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace HistoryProbe;

namespace {

constexpr int diagnostics = 0;
constexpr int interventions = 1;
constexpr int diagnosticSize = 22;
constexpr int interventionSize = 24;

const QDateTime now = at(2025, 6, 10, 10, 20);

struct Bounds {
    std::uint32_t oldest;
    std::uint32_t newest;
};

Bounds boundsOf(SimHistory& history, int log)
{
    TableMemory tables;
    history.refreshTables(tables, now);
    const QByteArray& table = tables.table(log == interventions ? 11 : 10);
    return {longAt(table, 0), longAt(table, 4)};
}

// The records of a by-index answer: 0, log, first index echoed, count, records.
QList<QByteArray> indexRecords(const SimReply& reply, int size)
{
    QList<QByteArray> records;
    if (reply.error || reply.body.size() < 7)
        return records;
    const int count = static_cast<std::uint8_t>(reply.body[6]);
    EXPECT_EQ(reply.body.size(), 7 + count * size);
    for (int index = 0; index < count; ++index)
        records.append(reply.body.mid(7 + index * size, size));
    return records;
}

QList<QByteArray> readByIndex(SimHistory& history, int log, std::uint32_t first, int count)
{
    const int size = log == interventions ? interventionSize : diagnosticSize;
    QList<QByteArray> records;
    while (count > 0) {
        const QList<QByteArray> block =
            indexRecords(history.answer(7, indexRequest(log, first, std::min(count, 10)), now), size);
        if (block.isEmpty())
            break;
        records += block;
        first += block.size();
        count -= block.size();
    }
    return records;
}

struct PeriodBlock {
    bool damagedMark;
    int block;
    bool more;
    QList<QByteArray> records;
};

PeriodBlock periodBlock(const SimReply& reply, int size)
{
    EXPECT_FALSE(reply.error) << int(reply.errorCode);
    PeriodBlock block{false, 0, false, {}};
    if (reply.error || reply.body.size() < 4)
        return block;
    const int count = static_cast<std::uint8_t>(reply.body[2]);
    EXPECT_EQ(reply.body.size(), 4 + count * size);
    block.damagedMark = (static_cast<std::uint8_t>(reply.body[0]) & 0x80) != 0;
    block.block = static_cast<std::uint8_t>(reply.body[1]);
    block.more = reply.body[3] != 0;
    for (int index = 0; index < count; ++index)
        block.records.append(reply.body.mid(4 + index * size, size));
    return block;
}

int errorOf(const SimReply& reply)
{
    return reply.error ? reply.errorCode : 0;
}

} // namespace

TEST(SimLogs, BoundsTablesHoldFullRings)
{
    SimHistory history({});
    const Bounds diagnostic = boundsOf(history, diagnostics);
    const Bounds intervention = boundsOf(history, interventions);
    EXPECT_EQ(diagnostic.newest - diagnostic.oldest + 1, 2000u);
    EXPECT_EQ(intervention.newest - intervention.oldest + 1, 1000u);
    // About one diagnostic message every 40 minutes since the start of 2020.
    EXPECT_NEAR(diagnostic.newest, (at(2020, 1, 1).secsTo(now)) / 2400.0, 2.0);
}

TEST(SimLogs, ByIndexAnswersEchoTheRequestAndCarryCheckedRecords)
{
    SimHistory history({});
    for (const int log : {diagnostics, interventions}) {
        const Bounds bounds = boundsOf(history, log);
        const int size = log == interventions ? interventionSize : diagnosticSize;
        const SimReply reply = history.answer(7, indexRequest(log, bounds.newest - 9, 10), now);
        ASSERT_FALSE(reply.error);
        EXPECT_EQ(reply.body.first(6), indexRequest(log, bounds.newest - 9, 10).first(6));
        const QList<QByteArray> records = indexRecords(reply, size);
        ASSERT_EQ(records.size(), 10);
        QDateTime previous = at(2025, 1, 1);
        for (const QByteArray& record : records) {
            EXPECT_TRUE(intact(record));
            const QDateTime stamp = momentOf(record);
            EXPECT_GT(stamp, previous);
            EXPECT_LE(stamp, now);
            previous = stamp;
        }
        EXPECT_GT(previous, now.addSecs(-4 * 3600)) << "the newest record is recent";

        // Reaching past the newest record gives what there is.
        EXPECT_EQ(indexRecords(history.answer(7, indexRequest(log, bounds.newest - 2, 10), now), size).size(), 3);
        EXPECT_EQ(errorOf(history.answer(7, indexRequest(log, bounds.newest + 1, 1), now)), 18);
        EXPECT_EQ(errorOf(history.answer(7, indexRequest(log, bounds.oldest - 1, 1), now)), 18);
        EXPECT_EQ(errorOf(history.answer(7, indexRequest(log, bounds.oldest, 11), now)), 4);
        EXPECT_EQ(errorOf(history.answer(7, indexRequest(log, bounds.oldest, 0), now)), 4);
        EXPECT_EQ(errorOf(history.answer(7, indexRequest(log, bounds.oldest, 1).first(6), now)), 2);
    }
    EXPECT_EQ(errorOf(history.answer(7, indexRequest(2, 1, 1), now)), 4);
}

TEST(SimLogs, HundredRecordsCoverTheDecodingTables)
{
    SimHistory history({});
    const Bounds diagnostic = boundsOf(history, diagnostics);
    QSet<int> codes;
    for (const QByteArray& record : readByIndex(history, diagnostics, diagnostic.newest - 99, 100)) {
        const int code = static_cast<std::uint8_t>(record[6]);
        codes.insert(code);
        const int slot = static_cast<std::uint8_t>(record[9]);
        if (code == 14) { // below the lower warning set-point: value under set-point
            EXPECT_LT(slot, 20);
            EXPECT_LT(floatAt(record, 10), floatAt(record, 14));
        }
    }
    for (int code = 0; code <= 81; ++code)
        EXPECT_TRUE(codes.contains(code)) << code;

    const Bounds intervention = boundsOf(history, interventions);
    QSet<int> tables;
    for (const QByteArray& record : readByIndex(history, interventions, intervention.newest - 99, 100)) {
        const int table = static_cast<std::uint8_t>(record[7]);
        const int field = static_cast<std::uint8_t>(record[8]);
        const int unit = static_cast<std::uint8_t>(record[9]);
        tables.insert(table);
        EXPECT_LE(unit, 36);
        if (table >= 21 && table <= 26) {
            EXPECT_LT(field, 20);
            EXPECT_TRUE(field != 15 && field != 16);
        }
        if (table == 3 && field == 1) {
            EXPECT_EQ(unit, 8); // bit/s
        }
        const int level = static_cast<std::uint8_t>(record[6]);
        EXPECT_TRUE(level == 1 || level == 2 || level == 4);
    }
    for (const int table : {2, 3, 4, 5, 6, 9, 13, 14, 15, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 28, 29})
        EXPECT_TRUE(tables.contains(table)) << table;
}

TEST(SimLogs, PeriodIsReadInBlocksWithMoreFollows)
{
    SimHistory history({});
    const Bounds bounds = boundsOf(history, diagnostics);
    const QList<QByteArray> known = readByIndex(history, diagnostics, bounds.newest - 40, 31);
    ASSERT_EQ(known.size(), 31);
    const QDateTime start = momentOf(known.first());
    const QDateTime end = momentOf(known.last());

    QList<QByteArray> read;
    QList<bool> more;
    for (int block = 0; block < 5; ++block) {
        const PeriodBlock answer =
            periodBlock(history.answer(8, periodRequest(diagnostics, block, start, end), now), diagnosticSize);
        EXPECT_EQ(answer.block, block);
        EXPECT_FALSE(answer.damagedMark);
        read += answer.records;
        more.append(answer.more);
        if (!answer.more)
            break;
    }
    EXPECT_EQ(more, (QList<bool>{true, true, false}));
    EXPECT_EQ(read, known);

    // A lost answer is asked for again: the same block comes back.
    const SimReply first = history.answer(8, periodRequest(diagnostics, 0, start, end), now);
    EXPECT_EQ(history.answer(8, periodRequest(diagnostics, 0, start, end), now).body, first.body);
    const SimReply second = history.answer(8, periodRequest(diagnostics, 1, start, end), now);
    EXPECT_EQ(history.answer(8, periodRequest(diagnostics, 1, start, end), now).body, second.body);

    EXPECT_EQ(errorOf(history.answer(8, periodRequest(diagnostics, 3, start, end), now)), 20);
    EXPECT_EQ(errorOf(history.answer(8, periodRequest(diagnostics, 2, start, end.addSecs(60)), now)), 21);
    EXPECT_EQ(errorOf(history.answer(8, periodRequest(interventions, 2, start, end), now)), 21);
    EXPECT_EQ(errorOf(history.answer(8, periodRequest(diagnostics, 0, end, start), now)), 22);
    EXPECT_EQ(errorOf(history.answer(8, periodRequest(diagnostics, 0, start, end).first(14), now)), 2);
    SimHistory fresh({});
    EXPECT_EQ(errorOf(fresh.answer(8, periodRequest(diagnostics, 1, start, end), now)), 20);

    // Nothing written yet in the period.
    const PeriodBlock future = periodBlock(
        history.answer(8, periodRequest(interventions, 0, now.addSecs(60), now.addSecs(3600)), now), interventionSize);
    EXPECT_TRUE(future.records.isEmpty());
    EXPECT_FALSE(future.more);
}

TEST(SimLogs, DamagedRecordIsMarkedInItsBlock)
{
    SimHistory probe({});
    const Bounds bounds = boundsOf(probe, interventions);
    const QList<QByteArray> known = readByIndex(probe, interventions, bounds.newest - 14, 15);
    ASSERT_EQ(known.size(), 15);

    SimHistoryOptions options;
    options.damagedRecords = {momentOf(known[12])};
    SimHistory history(options);
    const QDateTime start = momentOf(known.first());
    const QDateTime end = momentOf(known.last());
    const PeriodBlock first =
        periodBlock(history.answer(8, periodRequest(interventions, 0, start, end), now), interventionSize);
    const PeriodBlock second =
        periodBlock(history.answer(8, periodRequest(interventions, 1, start, end), now), interventionSize);
    EXPECT_FALSE(first.damagedMark);
    EXPECT_TRUE(second.damagedMark);
    ASSERT_EQ(second.records.size(), 5);
    EXPECT_FALSE(intact(second.records[2]));
    EXPECT_EQ(second.records[2].first(22), known[12].first(22));
    EXPECT_TRUE(intact(second.records[1]));
}
