#include "link/socket_address.h"

#include <QHostInfo>
#include <QStringList>
#include <QtEndian>
#include <limits>
#include <netdb.h>

namespace {

constexpr int OctetCount = 4;
constexpr int MaxOctet = 255;
constexpr int MaxOctetDigits = 3;

bool isDecimal(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// A name's first IPv4 address, else its first IPv6 one; an address written out
// (an IPv6 one) is taken as it is, without asking a name server.
std::optional<QHostAddress> lookUpHost(const QString& host)
{
    const QList<QHostAddress> addresses = QHostInfo::fromName(host).addresses();
    for (const QHostAddress& address : addresses) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return address;
    }
    for (const QHostAddress& address : addresses) {
        if (address.protocol() == QAbstractSocket::IPv6Protocol)
            return address;
    }
    return std::nullopt;
}

std::optional<std::uint16_t> lookUpService(const QString& service, const QString& protocol)
{
    if (isDecimal(service)) {
        bool ok = false;
        const uint port = service.toUInt(&ok);
        if (!ok || port > std::numeric_limits<std::uint16_t>::max())
            return std::nullopt;
        return static_cast<std::uint16_t>(port);
    }
    const servent* entry = getservbyname(service.toLocal8Bit().constData(), protocol.toLower().toLatin1().constData());
    if (!entry)
        return std::nullopt;
    return qFromBigEndian(static_cast<std::uint16_t>(entry->s_port));
}

} // namespace

std::optional<std::uint32_t> parseDottedAddress(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != OctetCount)
        return std::nullopt;
    std::uint32_t address = 0;
    for (const QString& part : parts) {
        if (!isDecimal(part) || part.size() > MaxOctetDigits || part.toInt() > MaxOctet)
            return std::nullopt;
        address = (address << 8) | static_cast<std::uint32_t>(part.toInt());
    }
    return address;
}

std::optional<SocketAddress> resolveAddress(const std::optional<QString>& host, const QString& service,
                                            const QString& protocol, Operator& person)
{
    SocketAddress result;
    if (!host) {
        result.address = QHostAddress(QHostAddress::AnyIPv4);
    } else if (const std::optional<std::uint32_t> dotted = parseDottedAddress(*host)) {
        result.address = QHostAddress(*dotted);
    } else if (const std::optional<QHostAddress> found = lookUpHost(*host)) {
        result.address = *found;
    } else {
        person.message(MessageKind::Information, QStringLiteral("неизвестный хост: %1").arg(*host));
        return std::nullopt;
    }
    const std::optional<std::uint16_t> port = lookUpService(service, protocol);
    if (!port) {
        person.message(MessageKind::Information, QStringLiteral("неизвестный сервис: %1").arg(service));
        return std::nullopt;
    }
    result.port = *port;
    return result;
}
