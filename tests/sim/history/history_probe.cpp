#include "history_probe.h"

#include "crc/crc16.h"

#include <QTime>
#include <bit>

namespace HistoryProbe {

QDateTime at(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

QByteArray stamp(const QDateTime& moment, int length)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    const char fields[6] = {static_cast<char>(date.year() - 2000), static_cast<char>(date.month()),
                            static_cast<char>(date.day()),         static_cast<char>(time.hour()),
                            static_cast<char>(time.minute()),      static_cast<char>(time.second())};
    return QByteArray(fields, length);
}

QDateTime momentOf(QByteArrayView sixByteStamp)
{
    const auto field = [&](int index) { return static_cast<std::uint8_t>(sixByteStamp[index]); };
    return at(2000 + field(0), field(1), field(2), field(3), field(4), field(5));
}

std::uint32_t longAt(QByteArrayView bytes, int offset)
{
    std::uint32_t value = 0;
    for (int index = 3; index >= 0; --index)
        value = value << 8 | static_cast<std::uint8_t>(bytes[offset + index]);
    return value;
}

float floatAt(QByteArrayView bytes, int offset)
{
    return std::bit_cast<float>(longAt(bytes, offset));
}

bool intact(QByteArrayView record)
{
    return crc16(record) == 0;
}

QByteArray archiveRequest(int stampLength, int device, const QDateTime& start, const QDateTime& end)
{
    QByteArray data;
    data.append(static_cast<char>(stampLength == 5 ? 1 : 3));
    data.append('\0');
    data.append(static_cast<char>(device));
    return data + stamp(start, stampLength) + stamp(end, stampLength);
}

std::uint8_t archiveFunction(int stampLength)
{
    return static_cast<std::uint8_t>(19 - stampLength);
}

QList<QByteArray> archiveRecords(const SimReply& reply, int recordSize)
{
    QList<QByteArray> records;
    if (reply.error || reply.body.isEmpty())
        return records;
    const int count = static_cast<std::uint8_t>(reply.body[0]);
    if (reply.body.size() != 1 + count * recordSize)
        return records;
    for (int index = 0; index < count; ++index)
        records.append(reply.body.mid(1 + index * recordSize, recordSize));
    return records;
}

QByteArray indexRequest(int log, std::uint32_t first, int count)
{
    QByteArray data(7, '\0');
    data[1] = static_cast<char>(log);
    for (int index = 0; index < 4; ++index)
        data[2 + index] = static_cast<char>(first >> (8 * index) & 0xFF);
    data[6] = static_cast<char>(count);
    return data;
}

QByteArray periodRequest(int log, int block, const QDateTime& start, const QDateTime& end)
{
    QByteArray data(3, '\0');
    data[1] = static_cast<char>(log);
    data[2] = static_cast<char>(block);
    return data + stamp(start, 6) + stamp(end, 6);
}

} // namespace HistoryProbe
