#include "exchange/clock_commands.h"

#include "base/table_numbers.h"
#include "exchange/request_layer.h"
#include "link/hgcbox.h"
#include "tables/date_time_table.h"

namespace {
constexpr std::uint8_t clockCorrection = 12;
} // namespace

bool writePcTime(RequestLayer& layer, const QDateTime& pcNow, PcTimeConfirmation confirmation)
{
    RequestContext& context = layer.context();
    if (confirmation == PcTimeConfirmation::Ask &&
        !context.person.message(MessageKind::Question, QStringLiteral("В контроллер будет записано время ЭВМ."),
                                QStringLiteral("Вы уверены, что часы ЭВМ показывают правильное время?")))
        return false;
    const QByteArray table = pcDateTable(pcNow, context.image.copyOf({TableNumber::SystemParameters, 0, 10}));
    const FieldRange range{TableNumber::DateTime, 0, DateTimeTable::size};
    context.image.assign(range, table);
    return layer.writeFields(range);
}

bool correctClock(hgcbox& engine, std::int16_t seconds)
{
    const auto value = static_cast<std::uint16_t>(seconds);
    const char data[] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    return engine.request(clockCorrection, QByteArrayView(data, 2));
}
