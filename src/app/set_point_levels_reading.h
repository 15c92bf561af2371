#pragma once

#include "archives/trend_set_points.h"
#include "exchange/request_layer.h"

#include <optional>

// Reads the set-point tables the trend chart draws (23 to 26) from the
// connected controller into the image and gives their levels; none when a read
// failed (the request layer asked "Повторить попытку?" and the operator said "Нет").
std::optional<GasSetPointLevels> readSetPointLevels(RequestLayer& layer);
