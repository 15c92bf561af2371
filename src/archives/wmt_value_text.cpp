#include "archives/wmt_value_text.h"

#include <array>
#include <cmath>

namespace {

// Below each bound a value gets the decimals beside it; at 1000 and above none.
struct DecimalsBelow {
    double bound;
    int decimals;
};
constexpr std::array<DecimalsBelow, 6> Steps{{{0.0001, 6}, {0.001, 5}, {0.01, 4}, {1, 3}, {100, 2}, {1000, 1}}};
constexpr double ExponentBelow = 0.000001;

} // namespace

QString wmtValueText(float value)
{
    if (!std::isfinite(value))
        return QStringLiteral("NAN");
    if (value == 0)
        return QStringLiteral("0");
    const double magnitude = std::fabs(value);
    if (magnitude < ExponentBelow)
        return QString::asprintf("%.2e", static_cast<double>(value));
    for (const DecimalsBelow& step : Steps)
        if (magnitude < step.bound)
            return QString::number(value, 'f', step.decimals);
    return QString::number(value, 'f', 0);
}

namespace {
// The two bits mean the same in the flags of a measurement and the status byte of a mean.
constexpr std::uint8_t SwitchedOff = 0x02;
constexpr std::uint8_t NoMeterLink = 0x04;
} // namespace

bool wmtShowsValues(std::uint8_t state)
{
    return (state & (SwitchedOff | NoMeterLink)) == 0;
}

QString wmtValueCell(std::uint8_t state, float value)
{
    if ((state & SwitchedOff) != 0)
        return QStringLiteral("  Выкл.");
    if ((state & NoMeterLink) != 0)
        return QStringLiteral("       0");
    return QStringLiteral("  ") + wmtValueText(value);
}

ArchiveSample wmtSample(bool intact, std::uint8_t state, float value)
{
    if (!intact)
        return {ArchiveSample::State::Damaged};
    if (!wmtShowsValues(state) || !std::isfinite(value))
        return {ArchiveSample::State::Missing};
    return {ArchiveSample::State::Measured, value};
}
