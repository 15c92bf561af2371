#include "tables/identification.h"
#include "tables/param_image.h"
#include "tables/table_state_set.h"

#include <gtest/gtest.h>

#include <array>

TEST(Identification, EveryByteOfTableZeroHasItsMeaning)
{
    const std::array<std::uint8_t, 18> table = {5, 73, 2, 4, 23, 11, 30, 14, 5, 59, 1, 1, 0, 7, 1, 2, 3, 99};
    const Identification id(table);
    EXPECT_EQ(id.destroyedTable(), 5);
    EXPECT_EQ(id.typeCode(), Identification::ServedTypeCode);
    EXPECT_EQ(id.hardwareVersion(), 2);
    EXPECT_EQ(id.softwareVersion(), Identification::ServedSoftwareVersion);
    EXPECT_EQ(id.softwareCreated(), (DateStamp{23, 11, 30, 14, 5, 59}));
    EXPECT_EQ(id.byteOrder(), Identification::LowAddressLowByte);
    EXPECT_TRUE(id.worksAtDifferentBitRates());
    EXPECT_TRUE(id.nameInCodePage866());
    EXPECT_FALSE(id.addressChangeable());
    EXPECT_EQ(id.fixedAddress(), 7);
    EXPECT_EQ(id.protocolVersion(), (Identification::ProtocolVersion{1, 2, 3}));
    EXPECT_EQ(id.bytes(), table);
}

TEST(Identification, ZeroAndNonZeroFlagsReadTheOtherWay)
{
    std::array<std::uint8_t, 18> table{};
    table[12] = 1;
    const Identification id(table);
    EXPECT_EQ(id.destroyedTable(), 0);
    EXPECT_FALSE(id.worksAtDifferentBitRates());
    EXPECT_FALSE(id.nameInCodePage866());
    EXPECT_TRUE(id.addressChangeable());
}

TEST(Identification, AShortTableReadsMissingBytesAsZeroAndNewRecordsCarryTypeAndVersion)
{
    const std::array<std::uint8_t, 2> shortTable = {3, 73};
    const Identification id(shortTable);
    EXPECT_EQ(id.destroyedTable(), 3);
    EXPECT_EQ(id.typeCode(), 73);
    EXPECT_EQ(id.protocolVersion(), (Identification::ProtocolVersion{0, 0, 0}));

    Identification made;
    made.setTypeCode(73);
    made.setSoftwareVersion(4);
    EXPECT_EQ(made.bytes(), (std::array<std::uint8_t, 18>{0, 73, 0, 4}));
}

TEST(DestroyedTables, AnyNonZeroFieldMarksItsTable)
{
    ParamImage image;
    image.field(7, 4)[0] = 1;
    image.field(7, 37)[0] = 2;
    const DestroyedTables tables(image.table(7));
    for (int t = 0; t < DestroyedTables::Size; ++t)
        EXPECT_EQ(tables.isDestroyed(t), t == 4 || t == 37) << "table " << t;
    EXPECT_FALSE(tables.isDestroyed(-1));
    EXPECT_FALSE(tables.isDestroyed(38));

    const DestroyedTables every = DestroyedTables::everyTable();
    for (int t = 0; t < DestroyedTables::Size; ++t)
        EXPECT_TRUE(every.isDestroyed(t));
}

TEST(TableStateSet, ThreeRowsOfFlagsInTheirBytes)
{
    std::array<std::uint8_t, 38> table7{};
    table7[2] = 1;
    table7[7] = 1;
    TableStateSet set{DestroyedTables(table7)};
    set.setToWrite(2, true);
    set.setToWrite(4, true);
    set.setToWrite(7, true);  // not a configuration table: ignored
    set.setToWrite(38, true); // no such table: ignored
    set.setToWrite(-1, true);

    std::array<std::uint8_t, TableStateSet::Size> expected{};
    for (int t : {2, 3, 4, 5, 6, 9, 13, 14, 15, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 28, 29})
        expected[t] = 1;
    expected[38 + 2] = 1;
    expected[38 + 7] = 1;
    expected[78] = 1; // to-write flag of the date table
    expected[80] = 1; // to-write flag of the user table
    EXPECT_EQ(set.bytes(), expected);
    EXPECT_TRUE(set.isConfiguration(29));
    EXPECT_FALSE(set.isConfiguration(30));
    EXPECT_TRUE(set.isDestroyed(7));
    EXPECT_TRUE(set.isToWrite(4));
    EXPECT_FALSE(set.isToWrite(7));

    set.setToWrite(4, false);
    EXPECT_FALSE(set.isToWrite(4));
    EXPECT_EQ(set.bytes()[80], 0);
}
