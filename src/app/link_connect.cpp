#include "app/link_connect.h"

#include "app/app_state.h"
#include "base/save_report.h"
#include "link/engine_loading.h"
#include "link/ethernet_connect.h"
#include "settings/link_panels.h"

#include <QThread>

namespace {

constexpr int lineSettleMs = 300;

bool refuse(Operator& person, const QString& line1, const QString& line2 = {})
{
    person.message(MessageKind::InputError, line1, line2);
    return false;
}

template <typename Entry> bool subscriberChosen(const SubscriberList<Entry>& list, int position)
{
    return position >= 0 && position < list.count;
}

} // namespace

QString portUnavailableText(int port)
{
    // The letters of "СОМ" are Cyrillic in this dialog's text.
    return QStringLiteral("Коммуникационный порт СОМ%1 недоступен").arg(port);
}

bool connectChosenLink(AppState& state, Operator& person, const ConnectionChoice& choice)
{
    const QString notAllEntered = QStringLiteral("Введены не все параметры");
    Settings& settings = state.settings.gqcIni;
    settings.current.linkKind = choice.kind;

    int address = 0;
    if (choice.kind == LinkKind::Direct) {
        if (choice.address.trimmed().isEmpty())
            return refuse(person, notAllEntered);
        bool ok = false;
        address = choice.address.trimmed().toInt(&ok);
        if (!ok || address < 1 || address > 255)
            return refuse(person, QStringLiteral("Адрес вне допустимого диапазона"), QStringLiteral("(1...255)"));
    }

    state.engine.closeLink();

    if (choice.kind == LinkKind::Ethernet) {
        const EthernetList& list = state.settings.ethernetList;
        std::optional<EthernetSubscriber> subscriber;
        if (subscriberChosen(list, choice.subscriber)) {
            subscriber = list.entries[choice.subscriber];
            settings.ethernet.link.address = subscriber->controllerAddress;
        }
        if (!connectEthernet(subscriber, settings.ethernet, state.engine, person))
            return false;
        reportSaveFailure(person, state.settings.saveSettings(state.directory.settingsFile()));
        showLinkPanels(state.settings, person);
        return true;
    }

    const BusyCursor busy(person);
    if (choice.kind == LinkKind::Modem) {
        if (!subscriberChosen(state.settings.phoneList, choice.subscriber))
            return refuse(person, notAllEntered);
        address = state.settings.phoneList.entries[choice.subscriber].controllerAddress;
    }
    LinkRecord& link = settings.currentLink();
    link.address = static_cast<std::uint8_t>(address);
    reportSaveFailure(person, state.settings.saveSettings(state.directory.settingsFile()));
    showLinkPanels(state.settings, person);
    state.engine.setSettings(withSerialLink(state.engine.settings(), link, choice.kind, settings.current));

    if (!state.engine.settings().openPerRequest) {
        if (!state.engine.openPort()) {
            person.message(MessageKind::Error, portUnavailableText(link.port));
            return false;
        }
        QThread::msleep(lineSettleMs);
    }
    return true;
}
