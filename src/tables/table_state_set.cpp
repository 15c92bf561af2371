#include "tables/table_state_set.h"

#include "tables/table_catalogue.h"

#include <algorithm>

TableStateSet::TableStateSet(const DestroyedTables& destroyed)
{
    for (int t = 0; t < TableCatalogue::TableCount; ++t) {
        bytes_[ConfigurationRow + t] = TableCatalogue::descriptor(t).configuration ? 1 : 0;
        bytes_[DestroyedRow + t] = destroyed.isDestroyed(t) ? 1 : 0;
    }
}

void TableStateSet::setToWrite(int table, bool toWrite)
{
    if (isConfiguration(table))
        bytes_[ToWriteRow + table] = toWrite ? 1 : 0;
}

bool TableStateSet::flag(int row, int table) const
{
    return TableCatalogue::isTable(table) && bytes_[static_cast<std::size_t>(row + table)] != 0;
}

bool TableStateSet::nothingChosenBut(std::initializer_list<int> tables) const
{
    for (int table = 0; table < TableCatalogue::TableCount; ++table)
        if (isToWrite(table) && std::find(tables.begin(), tables.end(), table) == tables.end())
            return false;
    return true;
}
