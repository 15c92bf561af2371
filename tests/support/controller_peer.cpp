#include "support/controller_peer.h"

#include "support/line_bit_rate.h"

#include <QString>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

namespace {

constexpr char RequestStart = '\xcc';
constexpr int PollSliceMs = 10;

} // namespace

ControllerPeer::ControllerPeer(int fd, Responder responder, bool owns)
    : fd_(fd), owns_(owns), responder_(std::move(responder)), thread_([this] { serve(); })
{
}

ControllerPeer::~ControllerPeer()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    if (owns_ && fd_ >= 0)
        ::close(fd_);
}

void ControllerPeer::hangUp()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    ::close(fd_);
    fd_ = -1;
}

QList<QByteArray> ControllerPeer::requests() const
{
    const std::lock_guard lock(mutex_);
    return requests_;
}

void ControllerPeer::serve()
{
    while (!stop_) {
        pollfd wanted{fd_, POLLIN, 0};
        if (::poll(&wanted, 1, PollSliceMs) <= 0)
            continue;
        char buffer[256];
        const ssize_t got = ::read(fd_, buffer, sizeof buffer);
        if (got <= 0)
            return;
        for (ssize_t i = 0; i < got; ++i)
            takeByte(buffer[i]);
    }
}

void ControllerPeer::takeByte(char byte)
{
    if (pending_.isEmpty() && byte != RequestStart)
        return; // preambles and noise
    pending_.append(byte);
    if (pending_.size() < 3 || pending_.size() < static_cast<std::uint8_t>(pending_[2]))
        return;
    const QByteArray request = pending_;
    pending_.clear();
    {
        const std::lock_guard lock(mutex_);
        requests_.append(request);
    }
    const QByteArray reply = responder_(request);
    qsizetype written = 0;
    while (written < reply.size()) {
        const ssize_t n = ::write(fd_, reply.constData() + written, static_cast<std::size_t>(reply.size() - written));
        if (n <= 0)
            return;
        written += n;
    }
}

PseudoTerminal::PseudoTerminal()
{
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) == 0)
        slavePath_ = QString::fromLocal8Bit(name);
}

PseudoTerminal::~PseudoTerminal()
{
    if (master_ >= 0)
        ::close(master_);
    if (slave_ >= 0)
        ::close(slave_);
}

int PseudoTerminal::lineBitRate() const
{
    return ::lineBitRate(slave_);
}

int PseudoTerminal::takeMaster()
{
    const int fd = master_;
    master_ = -1;
    return fd;
}
