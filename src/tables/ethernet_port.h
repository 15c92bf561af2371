#pragma once

#include "base/input_problem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

// Table 29, the controller's Ethernet interface, as TFormConEth shows it: every
// field as typed, the octets of an address first octet first.
struct EthernetPortFields {
    using Address = std::array<QString, 4>;

    Address ipAddress;            // "IP-адрес контроллера"
    Address subnetMask;           // "Маска подсети"
    Address gateway;              // "Шлюз по умолчанию"
    std::array<QString, 4> ports; // the connections "ВРГ 1", "ВРГ 2", "ККГ 1", "ККГ 2"

    bool operator==(const EthernetPortFields&) const = default;
};

EthernetPortFields ethernetPortFields(QByteArrayView table);

// Checks that every field is filled ("Введены не все параметры"), then each
// field in the dialog's order: an octet above 255 or a port above 65535 is
// refused with the field's name and "Параметр вне допустимого диапазона". Only
// when all pass are the 28 bytes stored, a port least significant byte first.
InputCheck applyEthernetPort(const EthernetPortFields& fields, QByteArray& table);
