#pragma once

#include <QByteArray>
#include <array>

// The simulated controller's parameter tables: raw bytes of each table,
// its records back to back, indexed by table number 0 to 37.
class TableMemory {
public:
    static constexpr int tableCount = 38;

    QByteArray& table(int number) { return tables_.at(number); }
    const QByteArray& table(int number) const { return tables_.at(number); }

private:
    std::array<QByteArray, tableCount> tables_;
};
