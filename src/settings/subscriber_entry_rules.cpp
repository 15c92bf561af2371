#include "settings/subscriber_entry_rules.h"

#include "settings/entry_field_checks.h"

namespace {

const InputProblem octetOutOfRange{QStringLiteral("Поле IP-адреса вне допустимого диапазона"),
                                   QStringLiteral("(0...255)")};
// A TCP port has 16 bits; a larger number could never be connected to.
const InputProblem portOutOfRange{QStringLiteral("Порт вне допустимого диапазона"), QStringLiteral("(0...65535)")};

} // namespace

PhoneEntryFields fieldsOf(const PhoneSubscriber& entry)
{
    return {entry.name, QString::number(entry.controllerAddress), entry.phone};
}

EthernetEntryFields fieldsOf(const EthernetSubscriber& entry)
{
    EthernetEntryFields fields{entry.name, QString::number(entry.controllerAddress), {}, QString::number(entry.port)};
    for (int i = 0; i < 4; ++i)
        fields.octets[i] = QString::number((entry.ipAddress >> (24 - 8 * i)) & 0xFF);
    return fields;
}

InputCheck applyEntryFields(const PhoneEntryFields& fields, PhoneSubscriber& entry)
{
    if (isBlank(fields.name) || isBlank(fields.address) || isBlank(fields.phone))
        return notAllEntered();
    const std::optional<int> address = controllerAddressIn(fields.address);
    if (!address)
        return controllerAddressOutOfRange();
    entry.name = fields.name.left(PhoneSubscriber::maxNameLength);
    entry.controllerAddress = static_cast<std::uint8_t>(*address);
    entry.phone = fields.phone.left(PhoneSubscriber::maxPhoneLength);
    return std::nullopt;
}

InputCheck applyEntryFields(const EthernetEntryFields& fields, EthernetSubscriber& entry)
{
    if (isBlank(fields.name) || isBlank(fields.address) || isBlank(fields.port))
        return notAllEntered();
    for (const QString& octet : fields.octets)
        if (isBlank(octet))
            return notAllEntered();
    const std::optional<int> address = controllerAddressIn(fields.address);
    if (!address)
        return controllerAddressOutOfRange();
    std::uint32_t ip = 0;
    for (const QString& field : fields.octets) {
        const std::optional<int> octet = numberIn(field, 0, 255);
        if (!octet)
            return octetOutOfRange;
        ip = (ip << 8) | static_cast<std::uint32_t>(*octet);
    }
    const std::optional<int> port = numberIn(fields.port, 0, 65535);
    if (!port)
        return portOutOfRange;
    entry.name = fields.name.left(EthernetSubscriber::maxNameLength);
    entry.controllerAddress = static_cast<std::uint8_t>(*address);
    entry.ipAddress = ip;
    entry.port = *port;
    return std::nullopt;
}

QString addressAndPortText(const EthernetSubscriber& entry)
{
    return dottedAddress(entry.ipAddress) + u':' + QString::number(entry.port);
}
