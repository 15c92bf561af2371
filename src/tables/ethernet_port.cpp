#include "tables/ethernet_port.h"

#include "tables/port_choices.h"

#include <QtEndian>
#include <vector>

using namespace PortChoice;

namespace {

// Table 29: seven fields of four bytes, three addresses and then four ports.
constexpr int FieldLength = 4;
constexpr int Addresses = 3;
constexpr int Ports = 4;
constexpr int TableLength = 28;

constexpr int MaxOctet = 255;
constexpr int MaxPort = 65535; // a TCP port has 16 bits

// One typed number with the name its refusal shows.
struct TypedField {
    const QString* text;
    const char* name;
    int maximum;
};

std::vector<TypedField> inDialogOrder(const EthernetPortFields& fields)
{
    std::vector<TypedField> order;
    const auto addAddress = [&order](const EthernetPortFields::Address& address, const char* name) {
        for (const QString& octet : address)
            order.push_back({&octet, name, MaxOctet});
    };
    addAddress(fields.ipAddress, "IP-адрес контроллера");
    addAddress(fields.subnetMask, "Маска подсети");
    addAddress(fields.gateway, "Шлюз по умолчанию");
    const char* portNames[] = {"Порт соединения  ВРГ 1", "Порт соединения  ВРГ 2", "Порт соединения ККГ 1",
                               "Порт соединения ККГ 2"};
    for (int i = 0; i < Ports; ++i)
        order.push_back({&fields.ports[i], portNames[i], MaxPort});
    return order;
}

} // namespace

EthernetPortFields ethernetPortFields(QByteArrayView table)
{
    EthernetPortFields fields;
    if (table.size() < TableLength)
        return fields;
    EthernetPortFields::Address* addresses[] = {&fields.ipAddress, &fields.subnetMask, &fields.gateway};
    for (int field = 0; field < Addresses; ++field)
        for (int octet = 0; octet < FieldLength; ++octet)
            (*addresses[field])[octet] = QString::number(storedByte(table, field * FieldLength + octet));
    for (int port = 0; port < Ports; ++port)
        fields.ports[port] =
            QString::number(qFromLittleEndian<quint32>(table.data() + (Addresses + port) * FieldLength));
    return fields;
}

InputCheck applyEthernetPort(const EthernetPortFields& fields, QByteArray& table)
{
    const std::vector<TypedField> order = inDialogOrder(fields);
    if (table.size() < TableLength)
        return notAllEntered();
    for (const TypedField& field : order)
        if (blank(*field.text))
            return notAllEntered();
    std::vector<int> values;
    for (const TypedField& field : order) {
        const std::optional<int> value = typedNumber(*field.text, 0, field.maximum);
        if (!value)
            return InputProblem{QString::fromUtf8(field.name), QStringLiteral("Параметр вне допустимого диапазона")};
        values.push_back(*value);
    }
    // The twelve octets fill bytes 0 to 11, one each; then each port takes four.
    constexpr int Octets = Addresses * FieldLength;
    for (int i = 0; i < Octets; ++i)
        table[i] = static_cast<char>(values[i]);
    for (int port = 0; port < Ports; ++port)
        qToLittleEndian<quint32>(static_cast<quint32>(values[Octets + port]),
                                 table.data() + Octets + port * FieldLength);
    return std::nullopt;
}
