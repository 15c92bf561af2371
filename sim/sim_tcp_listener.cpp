#include "sim/sim_tcp_listener.h"

#include "sim/sim_protocol_line.h"

#include <QTcpSocket>

SimTcpListener::SimTcpListener(SimController& controller, int turnaroundMs, bool pace, QObject* parent)
    : QObject(parent), controller_(controller), turnaroundMs_(turnaroundMs), pace_(pace)
{
    connect(&server_, &QTcpServer::newConnection, this, &SimTcpListener::accept);
}

bool SimTcpListener::listen(const QString& host, quint16 port, QString* error)
{
    const QHostAddress address(host == QLatin1String("localhost") ? QStringLiteral("127.0.0.1") : host);
    if (address.isNull()) {
        *error = QStringLiteral("not an IP address: %1").arg(host);
        return false;
    }
    if (server_.listen(address, port))
        return true;
    *error = QStringLiteral("cannot listen on %1:%2: %3").arg(host).arg(port).arg(server_.errorString());
    return false;
}

void SimTcpListener::accept()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        auto* line = new SimProtocolLine(
            controller_, [socket](QByteArrayView bytes) { socket->write(bytes.data(), bytes.size()); }, turnaroundMs_,
            pace_, socket);
        connect(socket, &QTcpSocket::readyRead, line, [socket, line] { line->receive(socket->readAll()); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}
