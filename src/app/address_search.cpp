#include "app/address_search.h"

#include "app/link_connect.h"
#include "link/engine_loading.h"

namespace {
constexpr std::uint8_t anyController = 0xFF;
constexpr std::uint8_t readFields = 1;
} // namespace

bool searchDeviceAddress(Settings& settings, hgcbox& engine, Operator& person)
{
    const BusyCursor busy(person);
    loadSerialLink(engine, settings.direct, LinkKind::Direct, settings.current);
    engine.address = anyController;
    engine.open_per_request = false;

    engine.closeLink();
    if (!engine.openPort()) {
        person.message(MessageKind::Information, portUnavailableText(settings.direct.port));
        return false;
    }
    const char identificationField[] = {0, 0, 1}; // table 0, field 0, one field
    engine.request(readFields, QByteArrayView(identificationField, 3));
    engine.closeLink();

    // Any well-formed answer, an error reply too, tells the controller's address.
    if (engine.address == anyController) {
        person.message(MessageKind::ExchangeResult, QStringLiteral("Устройство не обнаружено"));
        return false;
    }
    settings.direct.address = engine.address;
    person.message(MessageKind::ExchangeResult, QStringLiteral("Адрес устройства установлен"),
                   QStringLiteral("(адрес = %1).").arg(engine.address));
    return true;
}
