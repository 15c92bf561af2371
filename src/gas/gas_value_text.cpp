#include "gas/gas_value_text.h"

#include <charconv>
#include <cmath>

namespace {

constexpr int SignificantDigits = 10;

} // namespace

QString gasValueText(double value, int decimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("NAN");
    // Read back with from_chars: the same nearest double as QString::toDouble,
    // without its locale checks, which cost a viewer more than all else.
    const QByteArray rounded = QString::number(value, 'g', SignificantDigits).toLatin1();
    double significant = 0;
    std::from_chars(rounded.constData(), rounded.constData() + rounded.size(), significant);
    return QString::number(significant, 'f', decimals);
}

QString gasValueText(double value, int slot, const ReportSettings& settings)
{
    return gasValueText(value, settings.decimals(slot));
}
