#include "archives/current_data.h"

#include "archives/gas_columns.h"
#include "archives/wmt_value_text.h"
#include "base/common_texts.h"
#include "gas/gas_record_recalc.h"
#include "gas/gas_value_text.h"

#include <QtEndian>
#include <cstring>
#include <limits>

namespace {

constexpr int TimeAt = 4;
constexpr std::uint8_t MeterWithoutHdp = 2;
const QString NoDigitsText = QStringLiteral("NAN");

std::uint8_t byteAt(QByteArrayView bytes, int at)
{
    return at < bytes.size() ? static_cast<std::uint8_t>(bytes[at]) : 0;
}

float floatAt(QByteArrayView bytes, int at)
{
    if (at + 4 > bytes.size())
        return std::numeric_limits<float>::quiet_NaN();
    const auto raw = qFromLittleEndian<std::uint32_t>(bytes.data() + at);
    float value = 0;
    std::memcpy(&value, &raw, sizeof value);
    return value;
}

} // namespace

QString currentDataTime(QByteArrayView table)
{
    const auto two = [&](int at) { return QStringLiteral("%1").arg(byteAt(table, at), 2, 10, QLatin1Char('0')); };
    return QStringLiteral("%1.%2.%3 %4:%5:%6")
        .arg(two(2), two(1), two(0), two(TimeAt), two(TimeAt + 1), two(TimeAt + 2));
}

QString currentCalculationLabel(const ReportSettings& settings)
{
    return settings.calculationMethod() == 1 ? QStringLiteral("Расчет по ГОСТ") : QStringLiteral("Расчет по ДСТУ ИСО");
}

QStringList currentGasRowLabels(const ReportSettings& settings)
{
    const int names =
        settings.fractionKind() == 1 ? CommonTextBase::LongGasNamesVolume : CommonTextBase::LongGasNamesMolar;
    QStringList labels;
    for (int slot = 0; slot < GasParamsSize; ++slot)
        labels << QStringLiteral("%1, %2").arg(commonText(names + slot), gasSlotUnit(slot, settings));
    return labels;
}

std::array<QString, GasParamsSize> currentGasValueTexts(QByteArrayView table30, const ReportSettings& settings,
                                                        const ComponentSlotMap& slotMap)
{
    GasParams raw{};
    for (int slot = 0; slot < GasParamsSize; ++slot)
        raw[static_cast<std::size_t>(slot)] = floatAt(table30, CurrentDataLayout::Values + 4 * slot);
    const GasParams shown = recalcGasRecord(raw, settings, slotMap);
    std::array<QString, GasParamsSize> texts;
    for (int slot = 0; slot < GasParamsSize; ++slot) {
        const QString text = gasValueText(shown[static_cast<std::size_t>(slot)], slot, settings);
        texts[static_cast<std::size_t>(slot)] = text == NoDigitsText ? QStringLiteral("?") : text;
    }
    return texts;
}

std::optional<ColouredText> zoneCell(int slot, std::uint8_t code)
{
    if (slot == GasSlot::SumOfFractions || slot == GasSlot::GasTemperature)
        return std::nullopt;
    static const std::array<ColouredText, 5> zones = {{
        {QStringLiteral(" Норма"), CellColour::Black},
        {QStringLiteral(" Нижняя предупредительная зона"), CellColour::Warning},
        {QStringLiteral(" Верхняя предупредительная зона"), CellColour::Warning},
        {QStringLiteral(" Нижняя аварийная зона"), CellColour::Red},
        {QStringLiteral(" Верхняя аварийная зона"), CellColour::Red},
    }};
    if (code < zones.size())
        return zones[code];
    return ColouredText{QStringLiteral("?"), CellColour::Green};
}

QStringList moistureRowLabels(std::uint8_t meterType)
{
    QStringList rows{
        QStringLiteral(" PV21 – Температура точки росы газа по воде WDP при рабочем давлении,  °C"),
        QStringLiteral(" PV22 – Температура точки росы газа по углеводородам HDP при рабочем давлении,  °C"),
        QStringLiteral(" PV23 – Избыточное давление газа WDP,  bar"),
        QStringLiteral(" PV24 – Прив. температура точки росы газа по воде к абсолютному давлению 3,92 МПа,  °С"),
    };
    if (meterType == MeterWithoutHdp) {
        rows[2] = QStringLiteral(" PV23 – Давление газа,  bar");
        return rows;
    }
    // Type 0 and the others differ by one blank only.
    rows << (meterType == 0 ? QStringLiteral(" PV25 – Избыточное давление газа HDP,  bar")
                            : QStringLiteral(" PV25 – Избыточное давление  газа HDP,  bar"));
    return rows;
}

QStringList moistureValueTexts(QByteArrayView table37, std::uint8_t meterType)
{
    QStringList texts;
    const int rows = static_cast<int>(moistureRowLabels(meterType).size());
    for (int row = 0; row < rows; ++row) {
        const QString text = wmtValueText(floatAt(table37, CurrentDataLayout::Values + 4 * row));
        texts << (text == NoDigitsText ? QStringLiteral("   ?") : QStringLiteral("  ") + text);
    }
    return texts;
}
