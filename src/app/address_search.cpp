#include "app/address_search.h"

#include "app/link_connect.h"
#include "link/engine_loading.h"
#include "link/hgcbox.h"

namespace {
constexpr std::uint8_t anyController = 0xFF;
constexpr std::uint8_t readFields = 1;
} // namespace

bool searchDeviceAddress(Settings& settings, hgcbox& engine, Operator& person)
{
    const BusyCursor busy(person);
    ExchangeSettings search = withSerialLink(engine.settings(), settings.direct, LinkKind::Direct, settings.current);
    search.address = anyController;
    search.openPerRequest = false;
    engine.setSettings(search);

    engine.closeLink();
    if (!engine.openPort()) {
        person.message(MessageKind::Information, portUnavailableText(settings.direct.port));
        return false;
    }
    const char identificationField[] = {0, 0, 1}; // table 0, field 0, one field
    engine.request(readFields, QByteArrayView(identificationField, 3));
    engine.closeLink();

    // Any well-formed answer, an error reply too, tells the controller's address.
    if (engine.address() == anyController) {
        person.message(MessageKind::ExchangeResult, QStringLiteral("Устройство не обнаружено"));
        return false;
    }
    settings.direct.address = engine.address();
    person.message(MessageKind::ExchangeResult, QStringLiteral("Адрес устройства установлен"),
                   QStringLiteral("(адрес = %1).").arg(engine.address()));
    return true;
}
