#include "base/controller_charset.h"
#include "base/windows1251.h"
#include "exchange/configuration_transfer.h"
#include "settings/bit_rate_codes.h"
#include "support/simulated_link.h"
#include "tables/table_info_rules.h"
#include "tables/table_transfer.h"

#include <gtest/gtest.h>

namespace {

using Ranges = std::vector<FieldRange>;

TableStateSet chosen(std::initializer_list<int> tables)
{
    TableStateSet flags;
    for (int table : tables)
        flags.setToWrite(table, true);
    return flags;
}

QByteArray transferred(const ParamImage& image, int table)
{
    return image.copyOf({static_cast<std::uint8_t>(table), 0,
                         static_cast<std::uint8_t>(TableTransfer::transferredFieldCount(table, image))});
}

TEST(ReadConfigurationTables, ReadsEveryConfigurationTableButThePasswordsInTheLargestRequests)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    ASSERT_TRUE(link.layer.readFields({0, 0, 18}));
    link.forgetRequests();

    ASSERT_TRUE(readConfigurationTables(link.layer));
    EXPECT_EQ(link.reads(),
              (Ranges{{2, 0, 8},   {3, 0, 4},   {4, 0, 11},  {4, 11, 5},  {5, 0, 1},   {6, 0, 10}, {9, 0, 8},
                      {14, 0, 8},  {15, 0, 8},  {17, 0, 2},  {18, 0, 2},  {19, 0, 2},  {20, 0, 2}, {21, 0, 20},
                      {22, 0, 20}, {23, 0, 20}, {24, 0, 20}, {25, 0, 20}, {26, 0, 20}, {28, 0, 2}, {29, 0, 7}}));
    for (int table : {3, 4, 6, 9, 14, 15, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 28, 29})
        EXPECT_EQ(transferred(link.image, table),
                  link.server().table(table).left(transferred(link.image, table).size()))
            << table;

    // The name arrives in code page 866 and is kept in Windows-1251.
    EXPECT_EQ(link.image.copyOf({5, 0, 1}), toWindows1251("ГРС Северная").leftJustified(20, ' '));
    EXPECT_EQ(link.person.panel(StatusPanel::Address), "ГРС Северная");
    EXPECT_EQ(link.moistureMeter, static_cast<std::uint8_t>(link.server().table(6)[8]));
    EXPECT_NE(link.moistureMeter, 0);

    EXPECT_EQ(link.person.progressMode(), WaitMode::ReadingConfiguration);
    EXPECT_EQ(link.person.progressMaximum(), 22);
    QList<int> positions;
    for (int i = 0; i <= 20; ++i)
        positions << i;
    EXPECT_EQ(link.person.progressPositions(), positions << 22);
    EXPECT_EQ(link.person.progressCompletions(), 1) << "the full bar is shown once, at the end";
    EXPECT_FALSE(link.person.progressShown());
}

TEST(ReadConfigurationTables, AFailureEndsTheReadWithWhatWasReadKept)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    link.setFaults("request 3 error 11");
    EXPECT_FALSE(readConfigurationTables(link.layer));
    EXPECT_EQ(link.reads(), (Ranges{{2, 0, 8}, {3, 0, 4}, {4, 0, 11}}));
    EXPECT_EQ(link.image.copyOf({3, 0, 4}), link.server().table(3));
    EXPECT_EQ(link.person.progressCompletions(), 0) << "a failed read never shows a full bar";
    EXPECT_FALSE(link.person.progressShown());
}

TEST(WriteConfigurationTables, WritesAChosenTableInOneRequestAndClearsItsFlag)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    TableStateSet flags = chosen({22});
    ASSERT_TRUE(writeConfigurationTables(link.layer, flags));
    EXPECT_EQ(link.writes(), (Ranges{{22, 0, 20}}));
    EXPECT_FALSE(flags.isToWrite(22));
    EXPECT_EQ(link.person.progressMode(), WaitMode::WritingConfiguration);
    EXPECT_EQ(link.person.progressMaximum(), 21);
    EXPECT_EQ(link.person.progressPositions(), (QList<int>{0, 1, 21}));
    EXPECT_EQ(link.person.progressCompletions(), 1);
}

TEST(WriteConfigurationTables, FifteenFlowComputersTakeTwoPasswordRequests)
{
    SimControllerOptions controller;
    controller.flowComputers = 15;
    SimulatedLink link(controller);
    ASSERT_TRUE(link.up());
    ASSERT_TRUE(link.layer.readFields({9, 0, 8}));
    link.forgetRequests();
    TableStateSet flags = chosen({13, 17});
    ASSERT_TRUE(writeConfigurationTables(link.layer, flags));
    EXPECT_EQ(link.writes(), (Ranges{{17, 0, 15}, {13, 0, 14}, {13, 14, 1}}));
}

TEST(WriteConfigurationTables, ARefusedWriteStopsWithTheLaterFlagsStillSet)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    ASSERT_TRUE(link.layer.readFields({9, 0, 8}));
    link.forgetRequests();
    link.setFaults("request 2 error 7");
    TableStateSet flags = chosen({22, 17, 9});
    EXPECT_FALSE(writeConfigurationTables(link.layer, flags));
    EXPECT_EQ(link.writes(), (Ranges{{9, 0, 8}, {17, 0, 2}}));
    EXPECT_FALSE(flags.isToWrite(9));
    EXPECT_TRUE(flags.isToWrite(17));
    EXPECT_TRUE(flags.isToWrite(22));
    ASSERT_EQ(link.person.messages().size(), 1);
    EXPECT_EQ(link.person.messages()[0].line1, "Не выполнена запись в таблицу 17.");
    EXPECT_EQ(link.person.messages()[0].line2, "\" Тип вычислителя (корректора) расхода газа\".");
    EXPECT_TRUE(link.person.panelHistory(StatusPanel::Transient)
                    .contains("Команда 2.  Нарушена очередность записи параметров при конфигурации"));
    EXPECT_FALSE(link.person.progressShown());
}

TEST(WriteConfigurationTables, AfterThePortTableTheEngineAndTheLinkSettingsFollowTheController)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    ASSERT_TRUE(link.layer.readFields({3, 0, 4}));
    link.image.field(3, 0)[0] = 5;
    link.image.field(3, 1)[0] = static_cast<std::uint8_t>(bitRateCode(19200));
    TableStateSet flags = chosen({3});
    ASSERT_TRUE(writeConfigurationTables(link.layer, flags));
    EXPECT_EQ(link.engine.address(), 5);
    EXPECT_EQ(link.engine.settings().bitRate, 19200);
    EXPECT_EQ(link.settings.gqcIni.direct.address, 5);
    EXPECT_EQ(link.settings.gqcIni.direct.bitRate, 19200);
    EXPECT_EQ(link.person.panel(StatusPanel::Link), " COM1,   19200 бит/с");
    // The controller answers at its new address.
    EXPECT_TRUE(link.layer.readFields({0, 0, 18}));
    EXPECT_EQ(link.server().address(), 5);
}

// A controller after a reset takes the configuration read from another one.
TEST(WriteConfigurationTables, AResetControllerTakesAWholeConfiguration)
{
    SimulatedLink source;
    ASSERT_TRUE(source.up());
    ASSERT_TRUE(source.layer.readFields({0, 0, 18}));
    ASSERT_TRUE(readConfigurationTables(source.layer));

    SimControllerOptions reset;
    reset.version = 14;
    SimulatedLink target(reset);
    ASSERT_TRUE(target.up());
    target.image = source.image;
    target.image.field(3, 0)[0] = 7;
    // The user table comes first, on its own: until it is whole nothing else may be written.
    ASSERT_TRUE(target.layer.writeFields({4, 0, 10}));
    ASSERT_TRUE(target.layer.writeFields({4, 10, 6}));
    target.forgetRequests();

    TableStateSet flags{DestroyedTables::everyTable()};
    TableInfo::chooseAll(flags);
    RequestContext context = target.context();
    context.writeAndDisconnect = true;
    RequestLayer layer(context);
    ASSERT_TRUE(writeConfigurationTables(layer, flags));

    const std::vector<FieldRange> writes = target.writes();
    ASSERT_GE(writes.size(), 6u);
    EXPECT_EQ(Ranges(writes.begin(), writes.begin() + 6),
              (Ranges{{9, 0, 8}, {17, 0, 2}, {18, 0, 2}, {19, 0, 2}, {20, 0, 2}, {13, 0, 2}}));
    for (int table = 0; table < TableCatalogue::TableCount; ++table)
        EXPECT_FALSE(flags.isToWrite(table)) << table;
    for (int table : {3, 4, 6, 9, 13, 14, 15, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 28, 29})
        EXPECT_EQ(transferred(target.image, table),
                  target.server().table(table).left(transferred(target.image, table).size()))
            << table;
    EXPECT_EQ(target.server().table(5), toControllerCharset(target.image.copyOf({5, 0, 1})));
    EXPECT_EQ(target.image.copyOf({5, 0, 1}), source.image.copyOf({5, 0, 1}));
    EXPECT_EQ(target.person.panel(StatusPanel::Address), "ГРС Северная");
    // The engine keeps the address it will disconnect from; the saved settings take the new one.
    EXPECT_EQ(target.engine.address(), 1);
    EXPECT_EQ(target.settings.gqcIni.direct.address, 7);
}

} // namespace
