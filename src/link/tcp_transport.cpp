#include "link/tcp_transport.h"

namespace {

constexpr int SendTimeoutMs = 5000;

} // namespace

TcpTransport::TcpTransport(std::unique_ptr<QTcpSocket> socket) : socket_(std::move(socket)) {}

TcpTransport::~TcpTransport()
{
    socket_->abort();
}

bool TcpTransport::connected() const
{
    return socket_->state() == QAbstractSocket::ConnectedState;
}

void TcpTransport::purge()
{
    do
        socket_->readAll();
    while (connected() && socket_->waitForReadyRead(0));
}

bool TcpTransport::write(const QByteArray& bytes)
{
    if (!connected() || socket_->write(bytes) != bytes.size())
        return false;
    while (socket_->bytesToWrite() > 0) {
        if (!socket_->waitForBytesWritten(SendTimeoutMs))
            return false;
    }
    return true;
}

int TcpTransport::readAvailable(char* into, int max)
{
    if (max <= 0)
        return 0;
    if (socket_->bytesAvailable() > 0)
        return static_cast<int>(socket_->read(into, max));
    return connected() ? 0 : -1;
}

bool TcpTransport::waitReadable(int milliseconds)
{
    if (socket_->bytesAvailable() > 0)
        return true;
    return connected() && socket_->waitForReadyRead(milliseconds);
}
