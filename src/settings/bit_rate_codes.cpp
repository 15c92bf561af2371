#include "settings/bit_rate_codes.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, BitRateCodes::Count> Rates{300,   600,   1200,  2400,  3200,   3600,  4800,  5760,
                                                     6400,  7200,  7680,  9600,  11520,  12800, 14400, 19200,
                                                     23040, 28800, 38400, 57600, 115200, 230400};

} // namespace

int bitRateCode(int bitsPerSecond)
{
    const auto found = std::find(Rates.begin(), Rates.end(), bitsPerSecond);
    return found == Rates.end() ? -1 : static_cast<int>(found - Rates.begin());
}

std::optional<int> bitRateOfCode(int code)
{
    if (code < 0 || code >= BitRateCodes::Count)
        return std::nullopt;
    return Rates[static_cast<std::size_t>(code)];
}
