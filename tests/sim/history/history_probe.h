#pragma once

#include "sim/history/sim_history.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <cstdint>

// Building requests and reading answers of the simulated history byte by byte, at the offsets of
// the controller's layouts, without the simulator's own code.
namespace HistoryProbe {

QDateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
// year - 2000, month, day, hour, minute, second: the first `length` bytes.
QByteArray stamp(const QDateTime& moment, int length);
QDateTime momentOf(QByteArrayView sixByteStamp);

float floatAt(QByteArrayView bytes, int offset);
std::uint32_t longAt(QByteArrayView bytes, int offset);
bool intact(QByteArrayView record);

// The data of request 14 (stamp length 5), 15 (4) or 16 (3).
QByteArray archiveRequest(int stampLength, int device, const QDateTime& start, const QDateTime& end);
std::uint8_t archiveFunction(int stampLength);
// The records of a successful archive answer: count byte, then the records.
QList<QByteArray> archiveRecords(const SimReply& reply, int recordSize);

QByteArray indexRequest(int log, std::uint32_t first, int count);
QByteArray periodRequest(int log, int block, const QDateTime& start, const QDateTime& end);

} // namespace HistoryProbe
