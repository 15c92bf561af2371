#include "sim/sim_config_state.h"

SimConfigState::SimConfigState(int version, const QList<int>& destroyed) : version_(version)
{
    if (configuring())
        destroyConfiguration();
    else
        setDestroyed(destroyed);
}

bool SimConfigState::isDestroyed(int table) const
{
    return SimTableMap::exists(table) && destroyed_[table];
}

int SimConfigState::firstDestroyed() const
{
    for (int table = 0; table < SimTableMap::tableCount; ++table)
        if (destroyed_[table])
            return table;
    return 0;
}

QByteArray SimConfigState::stateTable() const
{
    QByteArray flags(SimTableMap::tableCount, '\0');
    for (int table = 0; table < SimTableMap::tableCount; ++table)
        flags[table] = destroyed_[table] ? 1 : 0;
    return flags;
}

void SimConfigState::setDestroyed(const QList<int>& tables)
{
    destroyed_.fill(false);
    writtenFields_.fill(0);
    for (const int table : tables)
        if (SimTableMap::isConfiguration(table))
            destroyed_[table] = true;
}

void SimConfigState::destroyConfiguration()
{
    version_ = configuringVersion;
    highestRank_ = -1;
    QList<int> all;
    for (int table = 0; table < SimTableMap::tableCount; ++table)
        all.append(table);
    setDestroyed(all);
}

bool SimConfigState::inRestoreOrder(int table) const
{
    const int rank = SimTableMap::restoreRank(table);
    return !configuring() || rank < 0 || rank >= highestRank_;
}

bool SimConfigState::noteWritten(int table, int first, int count, int neededFields)
{
    if (!SimTableMap::exists(table))
        return false;
    highestRank_ = configuring() ? qMax(highestRank_, SimTableMap::restoreRank(table)) : highestRank_;
    if (!destroyed_[table])
        return false;
    for (int field = first; field < first + count && field < 64; ++field)
        writtenFields_[table] |= std::uint64_t{1} << field;
    const std::uint64_t needed = neededFields >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << neededFields) - 1;
    if ((writtenFields_[table] & needed) == needed) {
        destroyed_[table] = false;
        writtenFields_[table] = 0;
    }
    if (configuring() && firstDestroyed() == 0) {
        version_ = normalVersion;
        return true;
    }
    return false;
}
