#pragma once

#include "sim/sim_table_map.h"

#include <QByteArray>
#include <QList>
#include <array>
#include <cstdint>

// Which configuration tables the controller considers destroyed, and its software
// version: 14 while its configuration must be written (after a reset), when it takes
// its tables only in the required order and becomes version 4 once all are written.
class SimConfigState {
public:
    static constexpr int normalVersion = 4;
    static constexpr int configuringVersion = 14;

    SimConfigState(int version, const QList<int>& destroyed);

    int version() const { return version_; }
    bool configuring() const { return version_ == configuringVersion; }
    bool isDestroyed(int table) const;
    int firstDestroyed() const; // 0 when none
    QByteArray stateTable() const;

    // Marks exactly these configuration tables destroyed (others intact).
    void setDestroyed(const QList<int>& tables);
    // After a reset of all non-volatile data.
    void destroyConfiguration();

    // Whether a write of the table keeps the required order of a configuration.
    bool inRestoreOrder(int table) const;

    // Notes a successful write of fields; a destroyed table is whole again once its
    // first `neededFields` fields have been written. Returns true when this write
    // completed the configuration of a version-14 controller, which is then version 4.
    bool noteWritten(int table, int first, int count, int neededFields);

private:
    int version_;
    std::array<bool, SimTableMap::tableCount> destroyed_{};
    std::array<std::uint64_t, SimTableMap::tableCount> writtenFields_{};
    int highestRank_ = -1;
};
