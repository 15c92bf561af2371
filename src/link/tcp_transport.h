#pragma once

#include "link/transport.h"

#include <QTcpSocket>
#include <memory>

// A connected TCP socket as the engine's byte pipe. A socket the peer has
// closed reports a failed read (-1), which ends the exchange at once. The
// socket holds a bounded amount of what has arrived; the rest waits with the
// system, which holds the peer back.
class TcpTransport : public Transport {
public:
    explicit TcpTransport(std::unique_ptr<QTcpSocket> socket);
    ~TcpTransport() override;

    bool setBitRate(int) override { return true; } // the line is the converter's
    // Drops what has arrived and not been read, up to a bound: a late answer, not
    // a stream that never ends.
    void purge() override;
    bool setRts(bool) override { return false; }
    bool write(const QByteArray& bytes) override;
    int readAvailable(char* into, int max) override;
    bool waitReadable(int milliseconds) override;

private:
    bool connected() const;

    std::unique_ptr<QTcpSocket> socket_;
};
