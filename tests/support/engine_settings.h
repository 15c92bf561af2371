#pragma once

#include "link/hgcbox.h"

// Changes some of the engine's settings and hands them back at once, the
// others (the learnt address among them) as they are:
//     changeSettings(engine, [](ExchangeSettings& s) { s.attempts = 1; });
template <typename Change> void changeSettings(hgcbox& engine, Change&& change)
{
    ExchangeSettings settings = engine.settings();
    change(settings);
    engine.setSettings(settings);
}
