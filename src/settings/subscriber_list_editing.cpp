#include "settings/subscriber_list_editing.h"

#include "settings/subscriber_entry_rules.h"

QString secondSortKey(const PhoneSubscriber& entry)
{
    return entry.phone;
}

QString secondSortKey(const EthernetSubscriber& entry)
{
    return addressAndPortText(entry);
}

QStringList subscriberRow(const PhoneSubscriber& entry, int index)
{
    return {QString::number(index + 1), entry.name, QString::number(entry.controllerAddress), entry.phone};
}

QStringList subscriberRow(const EthernetSubscriber& entry, int index)
{
    return {QString::number(index + 1), entry.name, QString::number(entry.controllerAddress),
            addressAndPortText(entry)};
}
