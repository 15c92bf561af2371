#include "link/ethernet_connect.h"

#include "link/engine_loading.h"

#include "link/socket_address.h"
#include "link/tcp_transport.h"

#include <QDeadlineTimer>
#include <QTcpSocket>
#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;

// A converter needs a moment after the connect before it takes a request.
constexpr auto ConnectSettle = 1000ms;
// Between connect attempts: a failed connect (an unreachable network) may come
// back at once and must not turn the wait into a busy loop.
constexpr auto ConnectRetryPause = 100ms;

QString dottedText(std::uint32_t address)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xFF)
        .arg((address >> 8) & 0xFF)
        .arg(address & 0xFF);
}

enum class ConnectResult { Connected, Refused, NoAnswer };

// Tries to connect until the deadline. A refusal is final: the host is there and
// says that nobody listens on the port, which waiting does not change, so it is
// told at once instead of as a time-out.
ConnectResult connectUntil(const SocketAddress& target, const QDeadlineTimer& deadline,
                           std::unique_ptr<QTcpSocket>& connected)
{
    do {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(target.address, target.port);
        if (socket->waitForConnected(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0)))) {
            connected = std::move(socket);
            return ConnectResult::Connected;
        }
        if (socket->error() == QAbstractSocket::ConnectionRefusedError)
            return ConnectResult::Refused;
        std::this_thread::sleep_for(std::min<std::chrono::milliseconds>(
            ConnectRetryPause, std::chrono::milliseconds(std::max<qint64>(deadline.remainingTime(), 0))));
    } while (!deadline.hasExpired());
    return ConnectResult::NoAnswer;
}

} // namespace

bool connectEthernet(const std::optional<EthernetSubscriber>& subscriber, const EthernetSettings& settings,
                     hgcbox& engine, Operator& person)
{
    if (!subscriber) {
        person.message(MessageKind::InputError, QStringLiteral("Введены не все параметры"));
        return false;
    }
    return connectEthernetHost(dottedText(subscriber->ipAddress), QString::number(subscriber->port),
                               subscriber->controllerAddress, settings, engine, person);
}

bool connectEthernetHost(const QString& host, const QString& service, std::uint8_t controllerAddress,
                         const EthernetSettings& settings, hgcbox& engine, Operator& person)
{
    const BusyCursor busy(person);
    const QDeadlineTimer deadline(std::chrono::seconds(settings.connectWaitS));
    const std::optional<SocketAddress> target = resolveAddress(host, service, QStringLiteral("TCP"), person);
    if (!target)
        return false;
    std::unique_ptr<QTcpSocket> socket;
    switch (connectUntil(*target, deadline, socket)) {
    case ConnectResult::Connected:
        break;
    case ConnectResult::Refused:
        person.message(MessageKind::Information, QStringLiteral("Сервер отказал в соединении"));
        return false;
    case ConnectResult::NoAnswer:
        person.message(MessageKind::Information, QStringLiteral("Превышено время ожидания соединения сервер/клиент"));
        return false;
    }
    std::this_thread::sleep_for(ConnectSettle);

    engine.setTransport(std::make_unique<TcpTransport>(std::move(socket)));
    engine.setSettings(withEthernetLink(engine.settings(), settings, controllerAddress));
    return true;
}
