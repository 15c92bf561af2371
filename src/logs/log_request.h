#pragma once

#include "logs/log_kind.h"
#include "tables/date_stamp.h"

#include <QByteArray>
#include <cstdint>

inline constexpr std::uint8_t LogByIndexFunction = 7;
inline constexpr std::uint8_t LogByPeriodFunction = 8;
// The most records one request by index may ask for.
inline constexpr int MostRecordsByIndex = 10;

// Data of a request by index: 0, L, first index (4 bytes), count.
QByteArray indexRequestData(LogKind kind, std::uint32_t first, int count);
// Data of a request by period: 0, L, block number, start and end (6 bytes each).
QByteArray periodRequestData(LogKind kind, std::uint8_t block, const DateStamp& start, const DateStamp& end);
// The block after `block` of a reading by period: block 0 starts a series, so after 255 comes 1.
std::uint8_t nextLogBlock(std::uint8_t block);
