#include "exchange/table_effects.h"

#include "base/table_numbers.h"
#include "settings/bit_rate_codes.h"
#include "settings/link_panels.h"
#include "tables/controller_name.h"

#include <optional>

namespace {
constexpr int MoistureMeterByte = 8; // of table 6
} // namespace

namespace TableEffects {

void showControllerName(RequestContext& context)
{
    context.person.setPanel(StatusPanel::Address, ControllerName::shown(context.image));
}

void nameArrived(RequestContext& context)
{
    ControllerName::fromController(context.image);
    showControllerName(context);
}

void takeSystemParameters(RequestContext& context)
{
    context.moistureMeter = context.image.table(TableNumber::SystemParameters)[MoistureMeterByte];
}

void takePortParameters(RequestContext& context)
{
    const std::span<const std::uint8_t> port = context.image.table(TableNumber::UpperLevelPort);
    const std::uint8_t address = port[0];
    // The controller refuses a code outside the list; the old rate stays.
    const std::optional<int> bitRate = bitRateOfCode(port[1]);
    if (!context.writeAndDisconnect) {
        ExchangeSettings exchange = context.engine.settings();
        exchange.address = address;
        exchange.bitRate = bitRate.value_or(exchange.bitRate);
        context.engine.setSettings(exchange);
    }
    LinkRecord& link = context.settings.gqcIni.currentLink();
    link.address = address;
    link.bitRate = bitRate.value_or(link.bitRate);
    context.person.setPanel(StatusPanel::Link, linkPanelTexts(context.settings).port);
}

} // namespace TableEffects
