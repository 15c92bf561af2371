#include "app/basic_data.h"

#include "base/table_numbers.h"
#include "exchange/table_effects.h"

#include <algorithm>

namespace {
constexpr std::uint8_t InstrumentTypeField = 6;
} // namespace

bool readBasicData(RequestLayer& layer, ComponentSlotMap& slotMap)
{
    RequestContext& context = layer.context();
    const BusyCursor busy(context.person);
    std::ranges::fill(context.image.table(TableNumber::ControllerName), ' ');
    bool read = layer.readFields({TableNumber::ControllerName, 0, 1});
    if (read)
        TableEffects::nameArrived(context);
    const bool systemRead = layer.readFields({TableNumber::SystemParameters, 0, 10});
    read = read && systemRead;
    if (systemRead) {
        TableEffects::takeSystemParameters(context);
        if (layer.readFields({TableNumber::ChromatographPort, InstrumentTypeField, 1}))
            slotMap = slotMap.forChromatographType(context.image.table(TableNumber::ChromatographPort)[InstrumentTypeField]);
        else
            read = false;
        read = layer.readFields({TableNumber::MoistureMeterPort, InstrumentTypeField, 1}) && read;
    }
    if (!read)
        context.person.message(MessageKind::ExchangeResult, QStringLiteral("Не прочитаны даннын, для организации"),
                               QStringLiteral("дальнейшего обмена с устройством"));
    TableEffects::showControllerName(context);
    return read;
}
