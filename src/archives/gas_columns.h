#pragma once

#include "gas/component_slot_map.h"
#include "gas/gas_params.h"
#include "gas/report_settings.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The set-points a value column is drawn against: the gas parameter's field in
// tables 23 to 26, and the factor from the controller's unit to the one shown.
struct ColumnSetPoints {
    int parameter;
    double factor;
};

// The twenty value columns of the chromatograph viewers, in their display order:
// the components, oxygen among them, then the properties, the sum of the
// fractions and the gas temperature last. A column whose parameter this
// chromatograph does not deliver stays empty.
class GasColumns {
public:
    static constexpr int Count = GasParamsSize;

    GasColumns(const ReportSettings& settings, const ComponentSlotMap& slotMap);

    // Three caption lines and the unit of every column, by the fractions and
    // the heat unit chosen.
    QList<QStringList> captions() const;
    // A short name of every column's parameter, for scripts: "methane", "hhv".
    static QStringList keys();
    // The column's set-points; none for the sum of the fractions, the gas
    // temperature and a parameter this chromatograph does not deliver. Heats
    // shown in kcal/m3 take the set-points from MJ/m3 with the recalculation's factor.
    std::optional<ColumnSetPoints> setPoints(int column) const;
    // The chromatograph delivers the column's parameter.
    bool present(int column) const { return slotMap_.slot(column) != ComponentSlotMap::NoSlot; }
    const ComponentSlotMap& slotMap() const { return slotMap_; }
    // The column's value as a number.
    double value(const GasParams& values, int column) const
    {
        return values[static_cast<std::size_t>(slotMap_.slot(column))];
    }
    // The column's value with its slot's decimals, `mark` after it, right-aligned in 8.
    QString valueText(const GasParams& values, int column, const QString& mark = {}) const;

private:
    ReportSettings settings_;
    ComponentSlotMap slotMap_;
};

// The unit of a slot's parameter by the heat unit chosen; empty for the
// compression factor and the relative density.
QString gasSlotUnit(int slot, const ReportSettings& settings);
