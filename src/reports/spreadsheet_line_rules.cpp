#include "reports/spreadsheet_line_rules.h"

#include <cmath>

namespace {
constexpr float LeastMethane = 0.001f;
}

bool chromLineShown(const ChromIntervalRecord& line)
{
    if (!line.intact() || (line.status() & (ChromIntervalRecord::SwitchedOff | ChromIntervalRecord::NoHmuLink)) != 0)
        return false;
    const float methane = line.gasParams()[GasSlot::Methane];
    return std::isfinite(methane) && methane >= LeastMethane;
}

bool wmtLineShown(const WmtIntervalRecord& line)
{
    return line.intact() && (line.status() & (WmtIntervalRecord::SwitchedOff | WmtIntervalRecord::NoMeterLink)) == 0;
}
