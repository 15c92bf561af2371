#include "cli/tcp_endpoint.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace {

constexpr int LowestPort = 1;
constexpr int HighestPort = 65535;

QString formError()
{
    return QStringLiteral("--tcp: HOST:PORT, an IPv6 address in brackets: [ADDRESS]:PORT");
}

// A service given by number must be a port; a name is looked up when connecting.
bool portInRange(const QString& service)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+$"));
    if (!number.match(service).hasMatch())
        return true;
    bool ok = false;
    const int port = service.toInt(&ok);
    return ok && port >= LowestPort && port <= HighestPort;
}

} // namespace

std::variant<TcpEndpoint, QString> parseTcpEndpoint(const QString& text)
{
    TcpEndpoint endpoint;
    qsizetype colon = -1;
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close < 0)
            return formError();
        endpoint.host = text.mid(1, close - 1);
        if (QHostAddress(endpoint.host).protocol() != QAbstractSocket::IPv6Protocol)
            return QStringLiteral("--tcp: [%1] is not an IPv6 address").arg(endpoint.host);
        colon = close + 1;
        if (text.mid(colon, 1) != QLatin1String(":"))
            return formError();
    } else {
        colon = text.lastIndexOf(QLatin1Char(':'));
        endpoint.host = text.left(std::max<qsizetype>(colon, 0));
        // "::1:502" could end its address anywhere.
        if (endpoint.host.contains(QLatin1Char(':')))
            return formError();
    }
    endpoint.service = text.mid(colon + 1);
    if (colon < 0 || endpoint.host.isEmpty() || endpoint.service.isEmpty())
        return formError();
    if (!portInRange(endpoint.service))
        return QStringLiteral("--tcp: PORT is a number from %1 to %2 or a service name")
            .arg(LowestPort)
            .arg(HighestPort);
    return endpoint;
}
