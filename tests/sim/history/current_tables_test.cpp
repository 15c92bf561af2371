#include "history_probe.h"

#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>

using namespace HistoryProbe;

namespace {

const QDateTime now = at(2025, 6, 10, 10, 22, 40);

QByteArray floatBytes(float value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// The set-point tables 23 to 26 as a new configuration has them, with one methane value changed.
void putSetPoints(TableMemory& tables, int table, float methane)
{
    const float defaults[4][20] = {
        {0.002f, 0.05f, 0.002f, 0.002f, 0.0002f, 0.0002f, 0.0002f, 0.2f,    95, 0.01f,
         0.1f,   36,    0.67f,  45,     0.998f,  98,      59,      0.0002f, 32, 0.5f},
        {0.6f, 6, 1.2f, 1.2f, 1.2f, 1.2f, 1.2f, 12, 100, 8, 10, 45, 1, 55, 0.999f, 103, 62, 1.2f, 40, 0.7f},
        {0.001f, 0.01f, 0.001f, 0.001f, 0.0001f, 0.0001f, 0.0001f, 0,       90, 0,
         0.01f,  35,    0.66f,  40,     0.997f,  97,      54,      0.0001f, 30, 0.425f},
        {0.6f, 6, 1.2f, 1.2f, 1.2f, 1.2f, 1.2f, 18, 100, 12, 12, 45, 1.05f, 55, 1, 103, 62, 1.2f, 40, 0.85f},
    };
    QByteArray& bytes = tables.table(table);
    bytes.clear();
    for (int slot = 0; slot < 20; ++slot)
        bytes += floatBytes(slot == 8 ? methane : defaults[table - 23][slot]);
}

} // namespace

TEST(SimCurrentData, TablesAreSizedAndFilled)
{
    SimHistory history({});
    TableMemory tables;
    history.refreshTables(tables, now);
    const int sizes[38] = {0, 0, 0, 0, 0, 0, 0, 0, 2,  0, 8, 8,  8, 0,  0, 0,  18, 0,   0,
                           0, 0, 0, 0, 0, 0, 0, 0, 18, 0, 0, 88, 0, 20, 2, 16, 16, 108, 28};
    for (int table = 0; table < 38; ++table)
        EXPECT_EQ(tables.table(table).size(), sizes[table]) << table;

    // The latest analysis is that of the running 5-minute interval.
    const QByteArray& analysis = tables.table(30);
    EXPECT_EQ(analysis.first(3), stamp(now, 3));
    EXPECT_EQ(analysis.mid(4, 3), QByteArray::fromHex("0a1400"));
    EXPECT_GT(floatAt(analysis, 8 + 4 * 8), 90.0);  // methane
    EXPECT_GT(floatAt(analysis, 8 + 4 * 11), 33.0); // superior heat
    EXPECT_EQ(tables.table(33), QByteArray::fromHex("0101"));
    EXPECT_LT(floatAt(tables.table(37), 8), 0.0); // water dew point
    EXPECT_NEAR(floatAt(tables.table(36), 8 + 4 * 8), floatAt(analysis, 8 + 4 * 8), 0.5);

    // Ten minutes later the values have moved on.
    TableMemory later;
    history.refreshTables(later, now.addSecs(600));
    EXPECT_NE(later.table(30).mid(8), analysis.mid(8));
    EXPECT_EQ(later.table(30).mid(4, 3), QByteArray::fromHex("0a1e00"));
}

TEST(SimCurrentData, CutLinksShowInTheLinkAndStateTables)
{
    SimHistoryOptions options;
    options.chromatographLinkCut = now.addSecs(-3600);
    options.moistureMeter = false;
    options.flowComputerLinks = 0b101;
    SimHistory history(options);
    TableMemory tables;
    tables.table(9) = QByteArray::fromHex("0305030a000100");
    history.refreshTables(tables, now);
    EXPECT_EQ(tables.table(33), QByteArray::fromHex("0000"));
    EXPECT_LT(momentOf(tables.table(30).first(3) + tables.table(30).mid(4, 3)), options.chromatographLinkCut);
    EXPECT_EQ(tables.table(37), QByteArray(28, '\0'));
    EXPECT_EQ(tables.table(34), QByteArray::fromHex("010001") + QByteArray(13, '\0'));
    EXPECT_EQ(tables.table(35), QByteArray::fromHex("010001") + QByteArray(13, '\0'));
    const QByteArray& flags = tables.table(16);
    EXPECT_EQ(flags[6], 1); // a flow computer without link
    EXPECT_EQ(flags[7], 1); // the chromatograph's polling
    EXPECT_EQ(flags[8], 0); // no moisture meter to poll
    EXPECT_LE(momentOf(flags.first(6)), now);
    EXPECT_GE(momentOf(flags.first(6)), options.chromatographLinkCut);
    EXPECT_EQ(tables.table(8), QByteArray::fromHex("0101"));

    // A destroyed flow-computer table stops the exchange and shows in the self-diagnostics.
    tables.table(7) = QByteArray(38, '\0');
    tables.table(7)[17] = 1;
    history.refreshTables(tables, now);
    EXPECT_EQ(tables.table(8), QByteArray::fromHex("0100"));
    EXPECT_EQ(tables.table(35), QByteArray(16, '\0'));
    EXPECT_EQ(tables.table(16)[9], 1);
}

TEST(SimCurrentData, ZonesFollowTheSetPointTables)
{
    SimHistory history({});
    TableMemory tables;
    for (int table = 23; table <= 26; ++table)
        putSetPoints(tables, table, table == 23 ? 90.0f : table == 25 ? 80.0f : 100.0f);
    history.refreshTables(tables, now);
    const float methane = floatAt(tables.table(30), 8 + 4 * 8);
    EXPECT_EQ(tables.table(32)[8], 0);

    putSetPoints(tables, 23, methane + 0.01f); // lower warning just above the value
    history.refreshTables(tables, now);
    EXPECT_EQ(tables.table(32)[8], 1);
    EXPECT_EQ(tables.table(16)[10], 1);

    putSetPoints(tables, 25, methane + 0.005f); // lower limit above it too: the alarm zone
    history.refreshTables(tables, now);
    EXPECT_EQ(tables.table(32)[8], 3);
    EXPECT_EQ(tables.table(32)[15], 0);
    EXPECT_EQ(tables.table(32)[16], 0);
}
