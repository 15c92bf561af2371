#include "tables/upper_level_port.h"

#include "settings/bit_rate_codes.h"
#include "tables/port_choices.h"

using namespace PortChoice;

namespace {

// Bytes of table 3.
constexpr int Address = 0;
constexpr int BitRate = 1;
constexpr int Preambles = 2;
constexpr int Reserved = 3;
constexpr int TableLength = 4;

constexpr int MinAddress = 1;
constexpr int MaxAddress = 254;

} // namespace

UpperLevelPortFields upperLevelPortFields(QByteArrayView table)
{
    if (table.size() < TableLength)
        return {};
    return {QString::number(storedByte(table, Address)), bitRateItemOf(storedByte(table, BitRate)),
            QString::number(storedByte(table, Preambles))};
}

bool upperLevelRateEditable(bool editsController, LinkKind link, const Identification& controller)
{
    return !editsController || (link == LinkKind::Direct && controller.worksAtDifferentBitRates());
}

InputCheck applyUpperLevelPort(const UpperLevelPortFields& fields, bool rateEditable, QByteArray& table)
{
    if (table.size() < TableLength || blank(fields.address) || blank(fields.preambles) ||
        (rateEditable && !chosen(fields.bitRate, BitRateCodes::Count)))
        return notAllEntered();
    const std::optional<int> preambles = typedNumber(fields.preambles, 0, MaxPreambles);
    if (!preambles)
        return tooManyPreambles();
    const std::optional<int> address = typedNumber(fields.address, MinAddress, MaxAddress);
    if (!address)
        return outsideRange(QStringLiteral("Адрес должен быть"), MinAddress, MaxAddress);
    table[Address] = static_cast<char>(*address);
    if (rateEditable)
        table[BitRate] = static_cast<char>(fields.bitRate);
    table[Preambles] = static_cast<char>(*preambles);
    table[Reserved] = 0;
    return std::nullopt;
}
