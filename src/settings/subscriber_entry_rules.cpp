#include "settings/subscriber_entry_rules.h"

namespace {

const InputProblem notAllEntered{QStringLiteral("Введены не все параметры"), {}};
const InputProblem addressOutOfRange{QStringLiteral("Адрес вне допустимого диапазона"), QStringLiteral("(1...255)")};
const InputProblem octetOutOfRange{QStringLiteral("Поле IP-адреса вне допустимого диапазона"),
                                   QStringLiteral("(0...255)")};
// A TCP port has 16 bits; a larger number could never be connected to.
const InputProblem portOutOfRange{QStringLiteral("Порт вне допустимого диапазона"), QStringLiteral("(0...65535)")};

// The number in an integer field; fields hold digits only, so anything else is out of range.
std::optional<int> numberIn(const QString& field, int minimum, int maximum)
{
    bool ok = false;
    const int number = field.trimmed().toInt(&ok);
    if (!ok || number < minimum || number > maximum)
        return std::nullopt;
    return number;
}

bool blank(const QString& field)
{
    return field.trimmed().isEmpty();
}

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
    if (blank(fields.name) || blank(fields.address) || blank(fields.phone))
        return notAllEntered;
    const std::optional<int> address = numberIn(fields.address, 1, 255);
    if (!address)
        return addressOutOfRange;
    entry.name = fields.name.left(PhoneSubscriber::maxNameLength);
    entry.controllerAddress = static_cast<std::uint8_t>(*address);
    entry.phone = fields.phone.left(PhoneSubscriber::maxPhoneLength);
    return std::nullopt;
}

InputCheck applyEntryFields(const EthernetEntryFields& fields, EthernetSubscriber& entry)
{
    if (blank(fields.name) || blank(fields.address) || blank(fields.port))
        return notAllEntered;
    for (const QString& octet : fields.octets)
        if (blank(octet))
            return notAllEntered;
    const std::optional<int> address = numberIn(fields.address, 1, 255);
    if (!address)
        return addressOutOfRange;
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
