#include "reports/spreadsheet_month_means.h"

#include "reports/spreadsheet_line_rules.h"

#include <cmath>

GasParams spreadsheetMonthMeans(const std::vector<ChromIntervalRecord>& days)
{
    std::array<double, GasParamsSize> sums{};
    std::array<int, GasParamsSize> counts{};
    for (const ChromIntervalRecord& day : days) {
        if (!chromLineShown(day))
            continue;
        const GasParams values = day.gasParams();
        for (int slot = 0; slot < GasParamsSize; ++slot) {
            if (std::isfinite(values[slot])) {
                sums[slot] += values[slot];
                ++counts[slot];
            }
        }
    }
    GasParams means{};
    for (int slot = 0; slot < GasParamsSize; ++slot)
        means[slot] = counts[slot] == 0 ? 0.0f : static_cast<float>(sums[slot] / counts[slot]);
    return means;
}
