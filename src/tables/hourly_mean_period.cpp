#include "tables/hourly_mean_period.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

namespace {

constexpr std::array<int, 7> PeriodsH{1, 2, 3, 4, 6, 12, 24};
constexpr int PeriodByte = 0;
constexpr int ReservedByte = 1;

bool chosen(int choice)
{
    return choice >= 0 && choice < static_cast<int>(PeriodsH.size());
}

} // namespace

QStringList hourlyMeanPeriodItems()
{
    QStringList items;
    for (const int period : PeriodsH)
        items.append(QStringLiteral(" %1").arg(period));
    return items;
}

int hourlyMeanPeriodChoice(QByteArrayView table)
{
    if (table.size() <= PeriodByte)
        return -1;
    const auto place = std::find(PeriodsH.begin(), PeriodsH.end(), static_cast<std::uint8_t>(table[PeriodByte]));
    return place == PeriodsH.end() ? -1 : static_cast<int>(std::distance(PeriodsH.begin(), place));
}

InputCheck applyHourlyMeanPeriod(int choice, QByteArray& table)
{
    if (!chosen(choice) || table.size() < HourlyMeanPeriodTableLength)
        return InputProblem{QStringLiteral("Не введен период"), {}};
    table[PeriodByte] = static_cast<char>(PeriodsH[static_cast<std::size_t>(choice)]);
    table[ReservedByte] = 0;
    return std::nullopt;
}

QByteArray defaultHourlyMeanPeriodTable()
{
    QByteArray table(HourlyMeanPeriodTableLength, '\0');
    table[PeriodByte] = static_cast<char>(PeriodsH.front());
    return table;
}
