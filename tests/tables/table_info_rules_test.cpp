#include "tables/table_catalogue.h"
#include "tables/table_info_rules.h"

#include <gtest/gtest.h>

namespace {

TableStateSet withDestroyed(std::initializer_list<int> tables)
{
    std::array<std::uint8_t, DestroyedTables::Size> flags{};
    for (int table : tables)
        flags[table] = 1;
    return TableStateSet(DestroyedTables(flags));
}

const TableInfo::Row& rowOf(const std::vector<TableInfo::Row>& rows, int table)
{
    return *std::find_if(rows.begin(), rows.end(), [&](const TableInfo::Row& row) { return row.table == table; });
}

TEST(TableInfoRows, OneNumberedRowPerConfigurationTableWithItsState)
{
    const std::vector<TableInfo::Row> rows = TableInfo::rows(withDestroyed({5, 22}), LinkKind::Direct);
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_EQ(rows.front().number, 1);
    EXPECT_EQ(rows.front().text, " Табл.  2.   Текущие дата и время контроллера");
    EXPECT_EQ(rows.back().number, 21);
    EXPECT_EQ(rows.back().text, " Табл. 29.   Параметры связи по Ethernet");
    EXPECT_EQ(rowOf(rows, 15).text, " Табл. 15.  Параметры связи с влагомером по MODBUS прот.");

    const TableInfo::Row& name = rowOf(rows, 5);
    EXPECT_EQ(name.state, "Да");
    EXPECT_TRUE(name.destroyed && name.ticked && name.tickable);
    const TableInfo::Row& system = rowOf(rows, 6);
    EXPECT_EQ(system.state, "Нет");
    EXPECT_TRUE(!system.destroyed && !system.ticked && system.tickable);
}

TEST(TableInfoRows, DateAndUsersCanBeChosenOnlyWhileDestroyed)
{
    std::vector<TableInfo::Row> rows = TableInfo::rows(withDestroyed({}), LinkKind::Direct);
    EXPECT_FALSE(rowOf(rows, 2).tickable);
    EXPECT_FALSE(rowOf(rows, 4).tickable);
    rows = TableInfo::rows(withDestroyed({2, 4}), LinkKind::Ethernet);
    EXPECT_TRUE(rowOf(rows, 2).tickable && rowOf(rows, 2).ticked);
    EXPECT_TRUE(rowOf(rows, 4).tickable && rowOf(rows, 4).ticked);
}

TEST(TableInfoRows, OverAModemNothingIsTickedOrTickable)
{
    for (const TableInfo::Row& row : TableInfo::rows(withDestroyed({2, 4, 9, 22}), LinkKind::Modem)) {
        EXPECT_FALSE(row.ticked) << row.table;
        EXPECT_FALSE(row.tickable) << row.table;
    }
}

TEST(TableInfoButtons, WritingOnlyForAnUnconfiguredControllerOnADirectLine)
{
    EXPECT_TRUE(TableInfo::writeEnabled(14, LinkKind::Direct));
    EXPECT_FALSE(TableInfo::writeEnabled(14, LinkKind::Modem));
    EXPECT_FALSE(TableInfo::writeEnabled(14, LinkKind::Ethernet));
    EXPECT_FALSE(TableInfo::writeEnabled(4, LinkKind::Direct));

    EXPECT_TRUE(TableInfo::resetEnabled(4, LinkKind::Modem));
    EXPECT_TRUE(TableInfo::resetEnabled(4, LinkKind::Ethernet));
    EXPECT_TRUE(TableInfo::resetEnabled(14, LinkKind::Direct));
    EXPECT_FALSE(TableInfo::resetEnabled(14, LinkKind::Modem));
    EXPECT_FALSE(TableInfo::resetEnabled(14, LinkKind::Ethernet));
}

TEST(TableInfoPlacement, AShortListShrinksTheFormAndALongOneScrollsToTheFirstDestroyedTable)
{
    std::vector<TableInfo::Row> rows = TableInfo::rows(withDestroyed({9, 22}), LinkKind::Direct);
    TableInfo::ListPlacement placed = TableInfo::placement(rows, 18, 8);
    EXPECT_EQ(placed.listHeight, 17 * 21 + 1);
    EXPECT_EQ(placed.formHeight, 8 + 17 * 21 + 1 + 113);
    EXPECT_EQ(placed.firstRowInView, 0);

    rows.resize(30);
    rows[28].destroyed = true;
    placed = TableInfo::placement(rows, 18, 8);
    EXPECT_EQ(placed.formHeight, 588);
    EXPECT_EQ(placed.listHeight, 588 - 113 - 8);
    EXPECT_EQ(placed.firstRowInView, 5); // table 9
    for (TableInfo::Row& row : rows)
        row.destroyed = false;
    EXPECT_EQ(TableInfo::placement(rows, 18, 8).firstRowInView, 0);
}

TEST(TableInfoChoice, DateAndUsersAreWrittenOnlyWhenDestroyed)
{
    TableStateSet intact = withDestroyed({9});
    TableInfo::chooseAll(intact);
    for (int table = 0; table < TableCatalogue::TableCount; ++table)
        EXPECT_EQ(intact.isToWrite(table), intact.isConfiguration(table) && table != 2 && table != 4) << table;

    TableStateSet broken = withDestroyed({2, 4});
    TableInfo::chooseAll(broken);
    EXPECT_TRUE(broken.isToWrite(2));
    EXPECT_TRUE(broken.isToWrite(4));

    // The users are written whenever destroyed, ticked or not; the date only when ticked.
    ASSERT_TRUE(TableInfo::chooseTicked(broken, {22}));
    EXPECT_TRUE(broken.isToWrite(22));
    EXPECT_TRUE(broken.isToWrite(4));
    EXPECT_FALSE(broken.isToWrite(2));
    EXPECT_FALSE(broken.isToWrite(9));

    TableStateSet ticked = withDestroyed({});
    ASSERT_TRUE(TableInfo::chooseTicked(ticked, {2, 4, 6}));
    EXPECT_FALSE(ticked.isToWrite(2));
    EXPECT_FALSE(ticked.isToWrite(4));
    EXPECT_TRUE(ticked.isToWrite(6));
}

TEST(TableInfoChoice, NothingTickedChangesNoFlag)
{
    TableStateSet states = withDestroyed({4});
    TableInfo::chooseAll(states);
    const auto before = states.bytes();
    EXPECT_FALSE(TableInfo::chooseTicked(states, {}));
    EXPECT_EQ(states.bytes(), before);
    EXPECT_EQ(TableInfo::nothingChosenText(), "Не заданы таблицы для записи");
}

} // namespace
