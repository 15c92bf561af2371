#include "tables/period_memory.h"

PeriodOption PeriodMemory::option(PeriodMode mode) const
{
    return options_[slotOf(mode)].value_or(periodOptions(mode).front());
}

void PeriodMemory::rememberOption(PeriodMode mode, PeriodOption option)
{
    if (periodOptions(mode).contains(option))
        options_[slotOf(mode)] = option;
}

int PeriodMemory::slotOf(PeriodMode mode)
{
    switch (mode) {
    case PeriodMode::Hourly:
        return 0;
    case PeriodMode::Daily:
        return 1;
    case PeriodMode::FiveMinute:
        break;
    }
    return 2;
}
