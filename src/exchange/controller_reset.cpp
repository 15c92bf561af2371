#include "exchange/controller_reset.h"

namespace {
constexpr std::uint8_t ResetFunction = 25;
constexpr std::uint8_t AddressAfterReset = 1;
constexpr int BitRateAfterReset = 9600;
} // namespace

bool resetNonVolatileData(RequestContext& context)
{
    if (!context.engine.request(ResetFunction)) {
        context.person.message(MessageKind::Error, QStringLiteral("Команда не может быть выполнена."),
                               context.engine.errorMessage());
        return false;
    }
    ExchangeSettings exchange = context.engine.settings();
    exchange.address = AddressAfterReset;
    exchange.bitRate = BitRateAfterReset;
    context.engine.setSettings(exchange);
    if (context.settings.gqcIni.current.linkKind != LinkKind::Ethernet) {
        LinkRecord& link = context.settings.gqcIni.currentLink();
        link.address = AddressAfterReset;
        link.bitRate = BitRateAfterReset;
    }
    return true;
}
