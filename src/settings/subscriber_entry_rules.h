#pragma once

#include "base/input_problem.h"
#include "settings/settings.h"

#include <array>

// The fields of the subscriber entry editor as typed.
struct PhoneEntryFields {
    QString name;
    QString address;
    QString phone;
};

struct EthernetEntryFields {
    QString name;
    QString address;
    std::array<QString, 4> octets; // first octet first
    QString port;
};

PhoneEntryFields fieldsOf(const PhoneSubscriber& entry);
EthernetEntryFields fieldsOf(const EthernetSubscriber& entry);

// Checks the fields in the editor's order; only when all pass are they written
// into the entry. Otherwise the entry is left as it was.
InputCheck applyEntryFields(const PhoneEntryFields& fields, PhoneSubscriber& entry);
InputCheck applyEntryFields(const EthernetEntryFields& fields, EthernetSubscriber& entry);

// "a.b.c.d:port" as the list shows an Ethernet subscriber.
QString addressAndPortText(const EthernetSubscriber& entry);
