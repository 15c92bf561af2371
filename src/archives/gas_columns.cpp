#include "archives/gas_columns.h"

#include "archives/archive_cell_texts.h"
#include "gas/component_table.h"
#include "gas/gas_value_text.h"
#include "tables/gas_param_range.h"

#include <array>

namespace {

// The parameter (slot) each column shows, left to right.
constexpr std::array<int, GasColumns::Count> DisplayOrder{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,
                                                          10, 17, 11, 12, 13, 14, 18, 19, 15, 16};

enum class Unit { Percent, Heat, Density, Temperature, None };

struct SlotCaption {
    std::array<const char*, 3> lines; // in molar fractions; the volume table says "ОД" for "МД"
    Unit unit;
};

// By slot; a blank third line is a single space.
const std::array<SlotCaption, GasColumns::Count> SlotCaptions{{
    {{"Сум. МД", "гексана", "и б.т.с.,"}, Unit::Percent},
    {{"МД", "пропана,", " "}, Unit::Percent},
    {{"МД", "i-бутана,", " "}, Unit::Percent},
    {{"МД", "n-бутана,", " "}, Unit::Percent},
    {{"МД", "neo-", "пентана,"}, Unit::Percent},
    {{"МД", "i-пентана,", " "}, Unit::Percent},
    {{"МД", "n-пентана,", " "}, Unit::Percent},
    {{"МД", "азота,", " "}, Unit::Percent},
    {{"МД", "метана,", " "}, Unit::Percent},
    {{"МД", "диоксида", "углерода,"}, Unit::Percent},
    {{"МД", "этана,", " "}, Unit::Percent},
    {{"Удельная", "Тсг", "высшая,"}, Unit::Heat},
    {{"Плотность", "реального", "газа,"}, Unit::Density},
    {{"Индекс", "Воббе,", " "}, Unit::Heat},
    {{"Фактор", "сжимае-", "мости"}, Unit::None},
    {{"Сумма МД", "всех", "компон.,"}, Unit::Percent},
    {{"Темпера-", "тура газа,", " "}, Unit::Temperature},
    {{"МД", "кисло-", "рода,"}, Unit::Percent},
    {{"Удельная", "Тсг", "низшая,"}, Unit::Heat},
    {{"Относит.", "плотность", " "}, Unit::None},
}};

// By slot.
const std::array<const char*, GasColumns::Count> SlotKeys{
    "hexanes",  "propane", "i-butane",    "n-butane", "neo-pentane", "i-pentane",       "n-pentane",
    "nitrogen", "methane", "co2",         "ethane",   "hhv",         "density",         "wobbe",
    "z",        "sum",     "temperature", "oxygen",   "lhv",         "relative-density"};

QString unitText(Unit unit, const ReportSettings& settings)
{
    switch (unit) {
    case Unit::Percent:
        return QStringLiteral("%");
    case Unit::Heat:
        return settings.heatUnit() == 0 ? QStringLiteral("МДж/м3") : QStringLiteral("ккал/м3");
    case Unit::Density:
        return QStringLiteral("кг/м3");
    case Unit::Temperature:
        return QStringLiteral("°С");
    case Unit::None:
        break;
    }
    return {};
}

} // namespace

GasColumns::GasColumns(const ReportSettings& settings, const ComponentSlotMap& slotMap)
    : settings_(settings), slotMap_(slotMap)
{
}

QList<QStringList> GasColumns::captions() const
{
    const bool volume = settings_.fractionKind() == 1;
    QList<QStringList> captions;
    for (const int slot : DisplayOrder) {
        const SlotCaption& caption = SlotCaptions[static_cast<std::size_t>(slot)];
        QStringList lines;
        for (const char* line : caption.lines) {
            const QString text = QString::fromUtf8(line);
            lines << (volume ? QString(text).replace(QStringLiteral("МД"), QStringLiteral("ОД")) : text);
        }
        captions << (lines << unitText(caption.unit, settings_));
    }
    return captions;
}

QStringList GasColumns::keys()
{
    QStringList keys;
    for (const int slot : DisplayOrder)
        keys << QLatin1String(SlotKeys[static_cast<std::size_t>(slot)]);
    return keys;
}

std::optional<ColumnSetPoints> GasColumns::setPoints(int column) const
{
    if (!present(column) || !hasSetPoints(slotMap_.slot(column)))
        return std::nullopt;
    const int slot = slotMap_.slot(column);
    const bool kilocalories =
        SlotCaptions[static_cast<std::size_t>(slot)].unit == Unit::Heat && settings_.heatUnit() == 1;
    return ColumnSetPoints{slot, kilocalories ? KilocaloriesPerMegajoule : 1.0};
}

QString GasColumns::valueText(const GasParams& values, int column, const QString& mark) const
{
    const int slot = slotMap_.slot(column);
    return CellText::padded(gasValueText(values[static_cast<std::size_t>(slot)], slot, settings_) + mark);
}

QString gasSlotUnit(int slot, const ReportSettings& settings)
{
    return unitText(SlotCaptions.at(static_cast<std::size_t>(slot)).unit, settings);
}
