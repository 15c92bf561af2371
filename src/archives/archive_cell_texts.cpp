#include "archives/archive_cell_texts.h"

namespace CellText {

namespace {

constexpr int CellWidth = 8;

// "aa<separator>bb<separator>cc", each number of at least two digits, as
// "%02d" gives it; a viewer makes thousands of them, so without the cost of a
// format string.
QString threeFields(const QString& indent, int first, int second, int third, QChar separator)
{
    QString text = indent;
    text.reserve(indent.size() + 8);
    for (const int field : {first, second, third}) {
        if (text.size() > indent.size())
            text += separator;
        if (field > 99) {
            text += QString::number(field);
            continue;
        }
        text += QChar(u'0' + field / 10);
        text += QChar(u'0' + field % 10);
    }
    return text;
}

} // namespace

QString date(const DateStamp& stamp, const QString& indent)
{
    return threeFields(indent, stamp.day, stamp.month, stamp.year, u'.');
}

QString time(int hour, int minute, int second, const QString& indent)
{
    return threeFields(indent, hour, minute, second, u':');
}

QString padded(const QString& value)
{
    return value.size() < CellWidth ? value.rightJustified(CellWidth, QLatin1Char(' ')) : value;
}

} // namespace CellText
