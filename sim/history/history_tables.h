#pragma once

#include "sim/table_memory.h"

#include <QByteArray>
#include <cstdint>

namespace SimHist {

// The tables of the controller that show its history and its current measurements.
namespace HistoryTable {
constexpr int functions = 8;
constexpr int diagnosticBounds = 10;
constexpr int interventionBounds = 11;
constexpr int calibrationBounds = 12;
constexpr int abnormalFlags = 16;
constexpr int firstRecords = 27;
constexpr int chromatographData = 30;
constexpr int zones = 32;
constexpr int instrumentLinks = 33;
constexpr int flowComputerLinks = 34;
constexpr int flowComputerWriting = 35;
constexpr int movingAverages = 36;
constexpr int moistureMeterData = 37;

// The table's bytes, grown with zeros to its length (field count times field length) when shorter.
QByteArray& sized(TableMemory& tables, int number);
// A byte of a table that another part of the controller keeps; `absent` when the table is shorter.
std::uint8_t byteOf(const TableMemory& tables, int number, int offset, std::uint8_t absent);
} // namespace HistoryTable

} // namespace SimHist
