#include "tables/date_time_table.h"

#include "tables/calendar.h"

namespace {
constexpr int centuryBase = 2000;

int byteAt(QByteArrayView bytes, int index)
{
    return index < bytes.size() ? static_cast<std::uint8_t>(bytes[index]) : 0;
}
} // namespace

DateStamp stampOfDateTable(QByteArrayView table2)
{
    return {byteAt(table2, 0), byteAt(table2, 1), byteAt(table2, 2),
            byteAt(table2, 3), byteAt(table2, 4), byteAt(table2, 5)};
}

DateStamp stampOfMoment(const QDateTime& moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    return {date.year() - centuryBase, date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

QByteArray pcDateTable(const QDateTime& pcNow, QByteArrayView table6)
{
    const DateStamp stamp = stampOfMoment(pcNow);
    const QDate date = pcNow.date();
    QByteArray table(DateTimeTable::size, '\0');
    const int values[DateTimeTable::size] = {stamp.year,
                                             stamp.month,
                                             stamp.day,
                                             stamp.hour,
                                             stamp.minute,
                                             stamp.second,
                                             dayOfWeek(date.year(), date.month(), date.day()),
                                             timeType(stamp, table6)};
    for (int i = 0; i < DateTimeTable::size; ++i)
        table[i] = static_cast<char>(values[i]);
    return table;
}
