#include "settings/settings.h"

const LinkRecord& Settings::currentLink() const
{
    switch (current.linkKind) {
    case LinkKind::Modem:
        return phone.link;
    case LinkKind::Ethernet:
        return ethernet.link;
    case LinkKind::Direct:
        break;
    }
    return direct;
}

LinkRecord& Settings::currentLink()
{
    return const_cast<LinkRecord&>(static_cast<const Settings&>(*this).currentLink());
}

QString dottedAddress(std::uint32_t ipAddress)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(ipAddress >> 24)
        .arg((ipAddress >> 16) & 0xFF)
        .arg((ipAddress >> 8) & 0xFF)
        .arg(ipAddress & 0xFF);
}
