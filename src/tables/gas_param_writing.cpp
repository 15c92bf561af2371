#include "tables/gas_param_writing.h"

#include <cstdint>

namespace {

constexpr int ItemCount = 2;
constexpr int Nitrogen = 7;
constexpr int CarbonDioxide = 9;
constexpr int Density = 12;

bool chosen(int item)
{
    return item >= 0 && item < ItemCount;
}

} // namespace

QStringList gasParamWritingItems()
{
    return {QStringLiteral(" Не записывать "), QStringLiteral(" Записывать")};
}

GasParamWritingChoices gasParamWritingChoices(QByteArrayView table)
{
    GasParamWritingChoices choices;
    for (int k = 0; k < GasParameterCount; ++k) {
        if (!hasSetPoints(k))
            choices[k] = 0;
        else if (k < table.size() && chosen(static_cast<std::uint8_t>(table[k])))
            choices[k] = static_cast<std::uint8_t>(table[k]);
        else
            choices[k] = -1;
    }
    return choices;
}

InputCheck applyGasParamWriting(const GasParamWritingChoices& choices, QByteArray& table)
{
    if (table.size() < GasParamWritingTableLength)
        return InputProblem{QStringLiteral("Введены не все параметры"), {}};
    for (int k = 0; k < GasParameterCount; ++k)
        if (hasSetPoints(k) && !chosen(choices[k]))
            return InputProblem{QStringLiteral("Введены не все параметры"), {}};
    for (int k = 0; k < GasParameterCount; ++k)
        if (hasSetPoints(k))
            table[k] = static_cast<char>(choices[k]);
    return std::nullopt;
}

QByteArray defaultGasParamWritingTable()
{
    QByteArray table(GasParamWritingTableLength, '\0');
    for (const int k : {Nitrogen, CarbonDioxide, Density})
        table[k] = 1;
    return table;
}
