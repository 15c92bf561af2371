#include "tables/table_transfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

void PrintTo(const FieldRange& r, std::ostream* os)
{
    *os << "{" << int(r.table) << ", " << int(r.first) << ", " << int(r.count) << "}";
}

namespace {

ParamImage withFlowComputers(int count)
{
    ParamImage image;
    image.field(9, 0)[0] = static_cast<std::uint8_t>(count);
    return image;
}

using Requests = std::vector<FieldRange>;

} // namespace

TEST(TableTransfer, FieldsPerRequestFollowFromTheFrameSize)
{
    EXPECT_EQ(TableTransfer::fieldsPerRead(4), 11);   // 245 / 22
    EXPECT_EQ(TableTransfer::fieldsPerWrite(13), 14); // 229 / 16
    EXPECT_EQ(TableTransfer::fieldsPerWrite(22), 57); // 229 / 4
    EXPECT_EQ(TableTransfer::fieldsPerRead(1), 0);
    EXPECT_EQ(TableTransfer::fieldsPerWrite(38), 0);
}

TEST(TableTransfer, BulkTransfersSplitIntoTheLargestRequestsAllowed)
{
    const ParamImage image = withFlowComputers(3);
    EXPECT_EQ(TableTransfer::readRequests(4, image), (Requests{{4, 0, 11}, {4, 11, 5}}));
    EXPECT_EQ(TableTransfer::writeRequests(4, image), (Requests{{4, 0, 10}, {4, 10, 6}}));
    EXPECT_EQ(TableTransfer::writeRequests(22, image), (Requests{{22, 0, 20}}));
    EXPECT_EQ(TableTransfer::readRequests(5, image), (Requests{{5, 0, 1}}));
    EXPECT_EQ(TableTransfer::readRequests(36, image), (Requests{{36, 0, 27}}));
    EXPECT_TRUE(TableTransfer::readRequests(1, image).empty());
    EXPECT_TRUE(TableTransfer::writeRequests(-1, image).empty());
}

TEST(TableTransfer, FlowComputerTablesCarryOnlyTheConnectedFlowComputers)
{
    const ParamImage fifteen = withFlowComputers(15);
    EXPECT_EQ(TableTransfer::writeRequests(13, fifteen), (Requests{{13, 0, 14}, {13, 14, 1}}));
    for (int t = 17; t <= 20; ++t) {
        EXPECT_EQ(TableTransfer::readRequests(t, fifteen), (Requests{{std::uint8_t(t), 0, 15}}));
        EXPECT_EQ(TableTransfer::writeRequests(t, fifteen), (Requests{{std::uint8_t(t), 0, 15}}));
    }
    EXPECT_EQ(TableTransfer::readRequests(9, fifteen), (Requests{{9, 0, 8}}));
    EXPECT_EQ(TableTransfer::readRequests(21, fifteen), (Requests{{21, 0, 20}}));

    // A count the tables have no room for is held to their 16 fields; none connected, nothing moves.
    EXPECT_EQ(TableTransfer::writeRequests(18, withFlowComputers(200)), (Requests{{18, 0, 16}}));
    EXPECT_EQ(TableTransfer::writeRequests(13, withFlowComputers(255)), (Requests{{13, 0, 14}, {13, 14, 2}}));
    EXPECT_TRUE(TableTransfer::writeRequests(13, withFlowComputers(0)).empty());
    EXPECT_TRUE(TableTransfer::readRequests(17, withFlowComputers(0)).empty());
}

namespace {

std::vector<int> configurationTables()
{
    std::vector<int> tables;
    for (int t = 0; t < TableCatalogue::TableCount; ++t)
        if (TableCatalogue::descriptor(t).configuration)
            tables.push_back(t);
    return tables;
}

std::vector<int> sorted(std::vector<int> tables)
{
    std::sort(tables.begin(), tables.end());
    return tables;
}

} // namespace

TEST(TableTransfer, TheBulkReadTakesEveryConfigurationTableButThePasswordsInAscendingOrder)
{
    EXPECT_TRUE(TableTransfer::readRequests(13, withFlowComputers(16)).empty());
    const std::vector<int> read = TableTransfer::configurationReadOrder();
    EXPECT_TRUE(std::is_sorted(read.begin(), read.end()));
    EXPECT_EQ(std::adjacent_find(read.begin(), read.end()), read.end()) << "no table twice";
    std::vector<int> expected = configurationTables();
    std::erase(expected, 13);
    EXPECT_EQ(read, expected);
    EXPECT_EQ(read.size(), 20u);
}

TEST(TableTransfer, TheBulkWriteTakesEveryConfigurationTableOnceInTheControllersOrder)
{
    const std::vector<int> order = TableTransfer::configurationWriteOrder();
    EXPECT_EQ(sorted(order), configurationTables()) << "each configuration table exactly once";
    ASSERT_EQ(order.size(), static_cast<std::size_t>(TableCatalogue::configurationTableCount()));
    // Flow-computer port first, then the flow-computer tables that depend on its
    // count, then their passwords; the rest ascending.
    EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 6), (std::vector<int>{9, 17, 18, 19, 20, 13}));
    EXPECT_TRUE(std::is_sorted(order.begin() + 6, order.end()));
    EXPECT_EQ(order[6], 2);
    EXPECT_EQ(order.back(), 29);
}
