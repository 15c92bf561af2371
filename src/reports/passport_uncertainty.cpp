#include "reports/passport_uncertainty.h"

#include "gas/gas_value_text.h"

#include <cmath>

PassportUncertainty::PassportUncertainty(const GasParams& values, const ReportSettings& settings,
                                         const ComponentSlotMap& slotMap)
    : values_(values), settings_(settings), slotMap_(slotMap), fractions_(componentUncertainty(values, slotMap)),
      unit_(settings.heatUnit() == 0 ? HeatUnit::Megajoule : HeatUnit::Kilocalorie)
{
}

QString PassportUncertainty::text(int slot) const
{
    if (slot == GasSlot::CompressionFactor)
        return QStringLiteral("--");
    // The gas layer answers 0 where its computation fails; a value that is no
    // number at all must not be given an uncertainty of 0.
    const std::optional<double> value = uncertainty(slot);
    if (!value || !std::isfinite(values_[static_cast<std::size_t>(slot)]))
        return {};
    return gasValueText(*value, slot, settings_);
}

std::optional<double> PassportUncertainty::uncertainty(int slot) const
{
    for (int component = 0; component < ComponentCount; ++component)
        if (slotMap_.componentSlot(component) == slot)
            return fractions_[static_cast<std::size_t>(component)];
    if (slot == GasSlot::Density)
        return propertyUncertainty(values_, slot, fractions_, slotMap_, unit_);
    // The gas layer gives the heat's and the Wobbe index's uncertainty in MJ/m3;
    // the cell stands in the row's unit, beside the value.
    if (slot == GasSlot::WobbeIndex || slot == GasSlot::InferiorHeat) {
        const double megajoules = propertyUncertainty(values_, slot, fractions_, slotMap_, unit_);
        return unit_ == HeatUnit::Kilocalorie ? megajoules * KilocaloriesPerMegajoule : megajoules;
    }
    return std::nullopt;
}
