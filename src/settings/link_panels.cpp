#include "settings/link_panels.h"

namespace {

QString portText(const LinkRecord& link)
{
    return QStringLiteral(" COM%1,   %2 бит/с").arg(link.port).arg(link.bitRate);
}

QString addressText(int address)
{
    return QStringLiteral(" Адр. %1").arg(address);
}

template <typename Entry> const Entry* selectedEntry(const SubscriberList<Entry>& list)
{
    if (list.count == 0 || list.selected >= list.count)
        return nullptr;
    return &list.entries[list.selected];
}

} // namespace

LinkPanelTexts linkPanelTexts(const SettingsBlock& block)
{
    const Settings& settings = block.gqcIni;
    LinkPanelTexts texts;
    switch (settings.current.linkKind) {
    case LinkKind::Direct:
        texts.port = portText(settings.direct);
        texts.address = addressText(settings.direct.address);
        break;
    case LinkKind::Modem:
        if (const PhoneSubscriber* entry = selectedEntry(block.phoneList)) {
            texts.port = portText(settings.phone.link);
            texts.address = addressText(entry->controllerAddress);
            texts.subscriber = QStringLiteral(" %1 (тел. %2)").arg(entry->name, entry->phone);
        }
        break;
    case LinkKind::Ethernet:
        if (const EthernetSubscriber* entry = selectedEntry(block.ethernetList)) {
            texts.address = addressText(entry->controllerAddress);
            texts.subscriber = QStringLiteral(" %1 (IP-адр. %2)").arg(entry->name, dottedAddress(entry->ipAddress));
        }
        break;
    }
    return texts;
}

void showLinkPanels(const SettingsBlock& block, Operator& person)
{
    const LinkPanelTexts texts = linkPanelTexts(block);
    person.setPanel(StatusPanel::Link, texts.port);
    person.setPanel(StatusPanel::Address, texts.address);
    person.setPanel(StatusPanel::Subscriber, texts.subscriber);
}
