#include "app/modem_connection.h"

#include "app/app_state.h"
#include "link/modem_dialler.h"
#include "link/modem_results.h"

bool dialChosenSubscriber(AppState& state, Operator& person)
{
    Transport* port = state.engine.transport();
    const PhoneList& list = state.settings.phoneList;
    if (!port || list.selected >= list.count)
        return false;
    const PhoneSettings& phone = state.settings.gqcIni.phone;
    bool connected = false;
    for (;;) {
        int result = 0;
        {
            const BusyCursor busy(person);
            ModemDialler modem(*port, person, StatusPanel::Modem);
            result =
                modem.Dial(list.entries[list.selected].phone, phone.command, phone.dialAttempts, phone.connectWaitS);
        }
        if (result == DialResult::Connected) {
            connected = true;
            break;
        }
        if (!person.message(MessageKind::Question, dialResultText(result),
                            QStringLiteral("Повторить попытку соединения?")))
            break;
    }
    person.setPanel(StatusPanel::Modem, {});
    return connected;
}

void hangUpModem(AppState& state, Operator& person)
{
    if (Transport* port = state.engine.transport())
        ModemDialler(*port, person, std::nullopt).hangUp();
}
