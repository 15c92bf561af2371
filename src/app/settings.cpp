#include "app/settings.h"

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
