#pragma once

#include "gas/component_slot_map.h"
#include "gas/gas_params.h"
#include "gas/report_settings.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// What the current-data windows show of the controller's latest measurements:
// the analysis of table 30, the zones of table 32, the moisture values of
// table 37. Plain texts and colours; the windows copy them into their cells.

// A cell's colour as 0xRRGGBB.
namespace CellColour {
inline constexpr std::uint32_t Black = 0x000000;
inline constexpr std::uint32_t Red = 0xFF0000;
inline constexpr std::uint32_t Green = 0x008000;
inline constexpr std::uint32_t Warning = 0x723838; // the warning zones' dark red
} // namespace CellColour

struct ColouredText {
    QString text;
    std::uint32_t colour = CellColour::Black;
    bool operator==(const ColouredText&) const = default;
};

// Tables 30 and 37 begin with date (year - 2000, month, day), a spare byte, time
// (hour, minute, second) and a spare byte; the values follow.
namespace CurrentDataLayout {
inline constexpr int Values = 8;
inline constexpr int ChromatographBytes = Values + 4 * GasParamsSize; // table 30
inline constexpr int MoistureValueCount = 5;                          // PV21 to PV25
inline constexpr int MoistureBytes = Values + 4 * MoistureValueCount; // table 37
} // namespace CurrentDataLayout

// "dd.mm.yy hh:mm:ss" of the stamp the table begins with.
QString currentDataTime(QByteArrayView table);

// The caption of the calculation method the values are shown by.
QString currentCalculationLabel(const ReportSettings& settings);

// The twenty row labels of the chromatograph window in slot order: the long
// parameter name (molar or volume fractions) and its unit.
QStringList currentGasRowLabels(const ReportSettings& settings);

// The twenty values of table 30 recalculated as the operator chose to see them,
// in slot order, each with its slot's decimals; "?" where no digits can be shown.
std::array<QString, GasParamsSize> currentGasValueTexts(QByteArrayView table30, const ReportSettings& settings,
                                                        const ComponentSlotMap& slotMap);

// The zone cell of a slot for the code of table 32: none for the sum of the
// fractions and the gas temperature (slots 15 and 16), which have no zone.
std::optional<ColouredText> zoneCell(int slot, std::uint8_t code);

// The moisture rows shown for the moisture-meter type (table 15 byte 6): type 2
// has no PV25.
QStringList moistureRowLabels(std::uint8_t meterType);
// The values of table 37 for those rows.
QStringList moistureValueTexts(QByteArrayView table37, std::uint8_t meterType);
