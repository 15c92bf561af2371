#include "logs/log_record_bytes.h"

#include "base/common_texts.h"
#include "base/windows1251.h"
#include "crc/crc16.h"
#include "tables/field_float.h"

#include <QtEndian>

namespace LogRecordBytes {

namespace {

enum StampByte { Year, Month, Day, Hour, Minute, Second };

QString twoDigitFields(QByteArrayView record, StampByte first, StampByte second, StampByte third, char separator)
{
    return QString::asprintf("%02d%c%02d%c%02d", byteAt(record, first), separator, byteAt(record, second), separator,
                             byteAt(record, third));
}

} // namespace

bool sound(QByteArrayView record, qsizetype length)
{
    return record.size() == length && crc16(record) == 0;
}

std::uint8_t byteAt(QByteArrayView record, int offset)
{
    return offset >= 0 && offset < record.size() ? static_cast<std::uint8_t>(record[offset]) : 0;
}

std::uint32_t unsigned32At(QByteArrayView record, int offset)
{
    if (offset < 0 || offset + 4 > record.size())
        return 0;
    return qFromLittleEndian<std::uint32_t>(record.constData() + offset);
}

float floatAt(QByteArrayView record, int offset)
{
    if (offset < 0 || offset + FloatFieldLength > record.size())
        return 0.0f;
    return fieldFloat(record.sliced(offset, FloatFieldLength), 0);
}

QString dateText(QByteArrayView record, const QString& indent)
{
    return indent + twoDigitFields(record, Day, Month, Year, '.');
}

QString timeText(QByteArrayView record, const QString& indent)
{
    return indent + twoDigitFields(record, Hour, Minute, Second, ':');
}

QString fittedValueText(const QString& text)
{
    return text.size() <= ValueTextWidth ? text : QStringLiteral("?");
}

QString listText(int base, int count, int index)
{
    return index >= 0 && index < count ? commonText(base + index) : QStringLiteral("?");
}

QString charactersText(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return fromWindows1251(end < 0 ? bytes : bytes.first(end));
}

} // namespace LogRecordBytes
