#include "gas/gas_value_text.h"

#include <cmath>

namespace {

constexpr int SignificantDigits = 10;

} // namespace

QString gasValueText(double value, int decimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("NAN");
    const double significant = QString::number(value, 'g', SignificantDigits).toDouble();
    return QString::number(significant, 'f', decimals);
}

QString gasValueText(double value, int slot, const ReportSettings& settings)
{
    return gasValueText(value, settings.decimals(slot));
}
