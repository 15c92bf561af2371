#include "archives/archive_cell_texts.h"

namespace CellText {

namespace {
constexpr int CellWidth = 8;
} // namespace

QString date(const DateStamp& stamp, const QString& indent)
{
    return indent + QString::asprintf("%02d.%02d.%02d", stamp.day, stamp.month, stamp.year);
}

QString time(int hour, int minute, int second, const QString& indent)
{
    return indent + QString::asprintf("%02d:%02d:%02d", hour, minute, second);
}

QString padded(const QString& value)
{
    return value.size() < CellWidth ? value.rightJustified(CellWidth, QLatin1Char(' ')) : value;
}

} // namespace CellText
