#include "app/set_point_levels_reading.h"

#include "tables/gas_param_range.h"

std::optional<GasSetPointLevels> readSetPointLevels(RequestLayer& layer)
{
    for (const GasSetPoint level :
         {GasSetPoint::LowerWarning, GasSetPoint::UpperWarning, GasSetPoint::LowerLimit, GasSetPoint::UpperLimit})
        if (!layer.readFields(FieldRange{static_cast<std::uint8_t>(tableNumber(level)), 0, GasParameterCount}))
            return std::nullopt;
    return GasSetPointLevels::of(layer.context().image);
}
