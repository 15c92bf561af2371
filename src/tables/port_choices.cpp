#include "tables/port_choices.h"

#include "settings/bit_rate_codes.h"

#include <cstdint>

QStringList numberItems(int first, int last)
{
    QStringList items;
    for (int number = first; number <= last; ++number)
        items.append(QString::number(number));
    return items;
}

QStringList bitRateItems()
{
    QStringList items;
    for (int code = 0; code < BitRateCodes::Count; ++code)
        items.append(QString::number(*bitRateOfCode(code)));
    return items;
}

QStringList failedPollItems()
{
    return numberItems(PortChoice::FailedPollsFirst, PortChoice::FailedPollsFirst + PortChoice::FailedPollsCount - 1);
}

namespace PortChoice {

int storedByte(QByteArrayView table, int offset)
{
    return static_cast<std::uint8_t>(table[offset]);
}

int itemOf(int stored, int first, int count)
{
    return stored >= first && stored < first + count ? stored - first : -1;
}

int bitRateItemOf(int code)
{
    return itemOf(code, 0, BitRateCodes::Count);
}

bool chosen(int item, int count)
{
    return item >= 0 && item < count;
}

bool blank(const QString& field)
{
    return field.trimmed().isEmpty();
}

std::optional<int> typedNumber(const QString& field, int minimum, int maximum)
{
    bool ok = false;
    const int number = field.trimmed().toInt(&ok);
    if (!ok || number < minimum || number > maximum)
        return std::nullopt;
    return number;
}

InputProblem notAllEntered()
{
    return {QStringLiteral("Введены не все параметры"), {}};
}

InputProblem tooManyPreambles()
{
    return {QStringLiteral("Количество преамбул не должно превышать 255"), {}};
}

InputProblem outsideRange(const QString& line1, int minimum, int maximum)
{
    return {line1, QStringLiteral("в диапазоне %1...%2").arg(minimum).arg(maximum)};
}

} // namespace PortChoice
