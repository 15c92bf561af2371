#include "tables/table_catalogue.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <climits>

namespace {

struct Row {
    int table;
    int count;
    int length;
    int offset;
    bool configuration;
};

void expectRow(const Row& row)
{
    const TableDescriptor& d = TableCatalogue::descriptor(row.table);
    EXPECT_EQ(d.fieldCount, row.count) << "table " << row.table;
    EXPECT_EQ(d.fieldLength, row.length) << "table " << row.table;
    EXPECT_EQ(d.offset, row.offset) << "table " << row.table;
    EXPECT_EQ(d.configuration, row.configuration) << "table " << row.table;
}

} // namespace

TEST(TableCatalogue, TablesThatOtherProceduresNameHaveTheirShapeAndPlace)
{
    expectRow({0, 18, 1, 0, false});     // identification
    expectRow({4, 16, 22, 30, true});    // users: read as 11 + 5 fields
    expectRow({5, 1, 20, 382, true});    // controller name
    expectRow({9, 8, 1, 452, true});     // byte 0: connected flow computers
    expectRow({13, 16, 16, 484, true});  // flow-computer passwords
    expectRow({27, 3, 6, 1258, false});  // first record stamps
    expectRow({29, 7, 4, 1278, true});   // Ethernet settings
    expectRow({36, 27, 4, 1448, false}); // moving averages
    expectRow({37, 7, 4, 1556, false});  // the last table
}

TEST(TableCatalogue, ShapesFollowWhatTheTablesHold)
{
    // One destroyed flag per table.
    EXPECT_EQ(TableCatalogue::descriptor(7).fieldCount, TableCatalogue::TableCount);
    // One field per flow computer, room for sixteen.
    for (int t : {13, 17, 18, 19, 20})
        EXPECT_EQ(TableCatalogue::descriptor(t).fieldCount, 16) << "table " << t;
    // One field per gas parameter: a flag or zone byte, or a single-precision value.
    for (int t : {21, 32})
        EXPECT_EQ(TableCatalogue::descriptor(t).fieldLength, 1) << "table " << t;
    for (int t = 21; t <= 26; ++t)
        EXPECT_EQ(TableCatalogue::descriptor(t).fieldCount, 20) << "table " << t;
    EXPECT_EQ(TableCatalogue::descriptor(32).fieldCount, 20);
    // Four-byte numbers: log indices, set-points, current data.
    for (int t : {10, 11, 12, 22, 23, 24, 25, 26, 30, 36, 37})
        EXPECT_EQ(TableCatalogue::descriptor(t).fieldLength, 4) << "table " << t;
    // Only tables 1 and 31 hold nothing; every field fits one write request.
    for (int t = 0; t < TableCatalogue::TableCount; ++t) {
        const TableDescriptor& d = TableCatalogue::descriptor(t);
        EXPECT_EQ(d.size() == 0, t == 1 || t == 31) << "table " << t;
        EXPECT_LE(d.fieldLength, 229) << "table " << t;
    }
}

TEST(TableCatalogue, TheConfigurationIsTheTablesTheOperatorSetsUp)
{
    EXPECT_EQ(TableCatalogue::configurationTableCount(), 21);
    // The controller's own state, logs and measurements are never part of it.
    for (int t : {0, 1, 7, 8, 10, 11, 12, 16, 27, 30, 31, 32, 33, 34, 35, 36, 37})
        EXPECT_FALSE(TableCatalogue::descriptor(t).configuration) << "table " << t;
}

TEST(TableCatalogue, NamesAreShownAsStored)
{
    EXPECT_EQ(TableCatalogue::name(0), " Общие параметры идентификации");
    EXPECT_EQ(TableCatalogue::name(4), " Доступ к таблицам параметров конфигурации");
    EXPECT_EQ(TableCatalogue::name(15), "Параметры связи с влагомером по MODBUS прот.") << "no leading blank";
    EXPECT_EQ(TableCatalogue::name(33), " Наличие связи с  хроматографом") << "two blanks";
    EXPECT_EQ(TableCatalogue::name(36), "Скользящие средние значения данных хроматографа");
    EXPECT_TRUE(TableCatalogue::name(31).isEmpty());
    EXPECT_TRUE(TableCatalogue::name(37).isEmpty());

    QStringList names;
    for (int t = 0; t < TableCatalogue::TableCount; ++t) {
        const QString name = TableCatalogue::name(t);
        EXPECT_EQ(name.isEmpty(), t == 31 || t == 37) << "table " << t;
        EXPECT_FALSE(names.contains(name)) << "table " << t << " has another table's name";
        if (!name.isEmpty())
            names.append(name);
    }
}

TEST(TableCatalogue, TablesFillTheImageBackToBackWithoutGaps)
{
    int next = 0;
    for (int t = 0; t < TableCatalogue::TableCount; ++t) {
        const TableDescriptor& d = TableCatalogue::descriptor(t);
        EXPECT_EQ(d.offset.has_value(), d.size() > 0) << "table " << t;
        if (d.offset) {
            EXPECT_EQ(*d.offset, next) << "table " << t;
            next += d.size();
        }
    }
    EXPECT_EQ(next, TableCatalogue::ImageSize);
    EXPECT_EQ(TableCatalogue::ImageSize, 1584);
}

TEST(TableCatalogue, OtherNumbersAreNoTables)
{
    for (int t : {-1, 38, 255, INT_MIN, INT_MAX}) {
        EXPECT_FALSE(TableCatalogue::isTable(t));
        const TableDescriptor& d = TableCatalogue::descriptor(t);
        EXPECT_EQ(d.size(), 0);
        EXPECT_FALSE(d.offset);
        EXPECT_FALSE(d.configuration);
        EXPECT_TRUE(TableCatalogue::name(t).isEmpty());
    }
}

TEST(TableCatalogue, ARangeMustLieWithinItsTable)
{
    EXPECT_TRUE(TableCatalogue::contains({4, 0, 16}));
    EXPECT_TRUE(TableCatalogue::contains({4, 11, 5}));
    EXPECT_TRUE(TableCatalogue::contains({4, 16, 0}));
    EXPECT_FALSE(TableCatalogue::contains({4, 11, 6}));
    EXPECT_FALSE(TableCatalogue::contains({4, 255, 255}));
    EXPECT_FALSE(TableCatalogue::contains({1, 0, 1}));
    EXPECT_FALSE(TableCatalogue::contains({38, 0, 0}));
}
