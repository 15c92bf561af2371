#pragma once

#include "tables/archive_period.h"

#include <array>
#include <optional>

// What the period dialog remembers for the rest of the program run: the last
// given period (one pair for every archive) and the choice last accepted in
// each mode. Starts empty with the program.
class PeriodMemory {
public:
    // The last given period, or `fallback` while none was given in this run.
    Period givenPeriodOr(const Period& fallback) const { return given_.value_or(fallback); }
    void rememberGiven(const Period& period) { given_ = period; }

    // The choice last accepted in this mode; the mode's first choice before that.
    PeriodOption option(PeriodMode mode) const;
    void rememberOption(PeriodMode mode, PeriodOption option);

private:
    static int slotOf(PeriodMode mode);

    std::optional<Period> given_;
    std::array<std::optional<PeriodOption>, 3> options_{};
};
