#include "tables/destroyed_tables.h"

#include <algorithm>

DestroyedTables::DestroyedTables(std::span<const std::uint8_t> table)
{
    std::copy_n(table.begin(), std::min(table.size(), bytes_.size()), bytes_.begin());
}

DestroyedTables DestroyedTables::everyTable()
{
    DestroyedTables tables;
    tables.bytes_.fill(1);
    return tables;
}

bool DestroyedTables::isDestroyed(int table) const
{
    return table >= 0 && table < Size && bytes_[static_cast<std::size_t>(table)] != 0;
}
