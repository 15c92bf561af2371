#include "sim/sim_table_map.h"

#include <array>

namespace {

struct TableShape {
    int fieldCount;
    int fieldLength;
    bool configuration;
};

constexpr std::array<TableShape, SimTableMap::tableCount> shapes{{
    {18, 1, false}, // 0 identification
    {0, 0, false},  // 1 no fields
    {8, 1, true},   // 2 date and time
    {4, 1, true},   // 3 port to the upper level
    {16, 22, true}, // 4 users
    {1, 20, true},  // 5 name
    {10, 1, true},  // 6 system parameters
    {38, 1, false}, // 7 destroyed flags
    {2, 1, false},  // 8 function availability
    {8, 1, true},   // 9 flow-computer port
    {2, 4, false},  // 10 diagnostic log bounds
    {2, 4, false},  // 11 intervention log bounds
    {2, 4, false},  // 12 calibration log bounds
    {16, 16, true}, // 13 flow-computer passwords
    {8, 1, true},   // 14 chromatograph port
    {8, 1, true},   // 15 moisture-meter port
    {18, 1, false}, // 16 abnormal-situation flags
    {16, 1, true},  // 17 flow-computer types
    {16, 1, true},  // 18 flow-computer addresses
    {16, 1, true},  // 19 pipelines written
    {16, 1, true},  // 20 byte orders
    {20, 1, true},  // 21 gas parameters written
    {20, 4, true},  // 22 insensitivity zones
    {20, 4, true},  // 23 lower warnings
    {20, 4, true},  // 24 upper warnings
    {20, 4, true},  // 25 lower write limits
    {20, 4, true},  // 26 upper write limits
    {3, 6, false},  // 27 first archive stamps
    {2, 1, true},   // 28 write period
    {7, 4, true},   // 29 Ethernet
    {22, 4, false}, // 30 latest analysis
    {0, 0, false},  // 31 no fields
    {20, 1, false}, // 32 zones
    {2, 1, false},  // 33 instrument links
    {16, 1, false}, // 34 flow-computer links
    {16, 1, false}, // 35 flow-computer write state
    {27, 4, false}, // 36 moving averages
    {7, 4, false},  // 37 latest moisture values
}};

constexpr std::array<int, 6> flowComputerRestoreOrder{9, 17, 18, 19, 20, 13};

} // namespace

int SimTableMap::fieldCount(int table)
{
    return exists(table) ? shapes[table].fieldCount : 0;
}

int SimTableMap::fieldLength(int table)
{
    return exists(table) ? shapes[table].fieldLength : 0;
}

bool SimTableMap::isConfiguration(int table)
{
    return exists(table) && shapes[table].configuration;
}

bool SimTableMap::isHistory(int table)
{
    return table == 8 || (table >= 10 && table <= 12) || table == 16 || table == 27 || table == 30 ||
           (table >= 32 && table <= 37);
}

bool SimTableMap::isPerFlowComputer(int table)
{
    return table == flowPasswordTable || (table >= 17 && table <= 20);
}

int SimTableMap::restoreRank(int table)
{
    if (!isConfiguration(table) || table == userTable || table == dateTable)
        return -1;
    for (int place = 0; place < static_cast<int>(flowComputerRestoreOrder.size()); ++place)
        if (flowComputerRestoreOrder[place] == table)
            return place;
    return static_cast<int>(flowComputerRestoreOrder.size()) + table;
}

int SimTableMap::writeLevel(int table)
{
    constexpr int administrator = 2, engineer = 3, operatorLevel = 4;
    if (table == userTable)
        return administrator;
    if (table == dateTable)
        return operatorLevel;
    return engineer;
}
