#pragma once

#include "gas/component_slot_map.h"
#include "gas/gas_params.h"
#include "gas/gas_uncertainty.h"
#include "gas/report_settings.h"

#include <QString>
#include <optional>

// The uncertainty column of an analysis passport printed by the ISO method:
// U(x) of each component, U of the density, the Wobbe index and the heats,
// each in its row's unit (kcal/m3 when the heats are shown in kcal) and in the
// slot's decimals.
class PassportUncertainty {
public:
    // `values` and `settings` are kept by reference and must outlive the column.
    PassportUncertainty(const GasParams& values, const ReportSettings& settings, const ComponentSlotMap& slotMap);

    // The cell of `slot`: "--" for the compression factor, which has no
    // uncertainty of its own; empty for the other slots without one and where
    // the analysis gave no number for the slot.
    QString text(int slot) const;

private:
    std::optional<double> uncertainty(int slot) const;

    const GasParams& values_;
    const ReportSettings& settings_;
    ComponentSlotMap slotMap_;
    ComponentUncertainties fractions_;
    HeatUnit unit_;
};
