#pragma once

#include "gas/report_settings.h"

// Settings of the recalculation, digit counts left at 4.
struct RecalcChoice {
    bool volume = false;
    bool kilocalories = false;
    bool recomputed = false; // the properties from the composition (GOST), not the controller's (ISO)
    bool corrected = false;
};

inline ReportSettings recalcSettings(RecalcChoice choice)
{
    QByteArray bytes(5, 0);
    bytes[0] = choice.volume;
    bytes[1] = choice.kilocalories;
    bytes[2] = choice.recomputed;
    bytes[4] = choice.corrected;
    return ReportSettings::fromBytes(bytes);
}
