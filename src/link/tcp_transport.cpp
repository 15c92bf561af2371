#include "link/tcp_transport.h"

#include <algorithm>

namespace {

constexpr int SendTimeoutMs = 5000;
// What the socket holds for the engine: many answers' worth. Bytes beyond it stay
// with the system, whose window then stops the peer, so a peer that streams
// faster than the engine takes cannot fill the memory.
constexpr qint64 ReadBufferBytes = 64 * 1024;
// A purge drops what a late answer left, not a stream that never ends: a peer
// that keeps sending is left to the engine's receiver, which skips noise.
constexpr qint64 PurgeLimitBytes = ReadBufferBytes;

} // namespace

TcpTransport::TcpTransport(std::unique_ptr<QTcpSocket> socket) : socket_(std::move(socket))
{
    socket_->setReadBufferSize(ReadBufferBytes);
}

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
    qint64 dropped = 0;
    do
        dropped += std::max<qint64>(socket_->skip(PurgeLimitBytes - dropped), 0);
    while (dropped < PurgeLimitBytes && connected() && socket_->waitForReadyRead(0));
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
