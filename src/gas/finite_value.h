#pragma once

#include <cmath>
#include <concepts>
#include <limits>

// A value the controller could not give, or a computation that overflowed or
// divided by zero, is shown and printed as 0, never as a NaN or an infinity.
template <std::floating_point Number> Number finiteOrZero(Number value)
{
    return std::isfinite(value) ? value : Number{0};
}

// Stored single precision as the records hold it; a double beyond the single
// range would become an infinity there.
inline float finiteSingle(double value)
{
    const bool fits = std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
    return fits ? static_cast<float>(value) : 0.0f;
}
