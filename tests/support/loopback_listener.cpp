#include "support/loopback_listener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int Backlog = 4;
constexpr int FillTimeoutMs = 1000;

} // namespace

LoopbackListener::LoopbackListener(Family family)
{
    sockaddr_storage address{};
    socklen_t length = 0;
    if (family == Family::IPv4) {
        auto* v4 = reinterpret_cast<sockaddr_in*>(&address);
        v4->sin_family = AF_INET;
        v4->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        length = sizeof(sockaddr_in);
    } else {
        auto* v6 = reinterpret_cast<sockaddr_in6*>(&address);
        v6->sin6_family = AF_INET6;
        v6->sin6_addr = in6addr_loopback;
        length = sizeof(sockaddr_in6);
    }
    fd_ = ::socket(address.ss_family, SOCK_STREAM, 0);
    if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(fd_, Backlog) != 0)
        return;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(family == Family::IPv4 ? reinterpret_cast<sockaddr_in*>(&address)->sin_port
                                         : reinterpret_cast<sockaddr_in6*>(&address)->sin6_port);
}

LoopbackListener::~LoopbackListener()
{
    for (const int waiting : waiting_)
        ::close(waiting);
    if (fd_ >= 0)
        ::close(fd_);
}

int LoopbackListener::accept(int timeoutMs)
{
    pollfd wanted{fd_, POLLIN, 0};
    if (::poll(&wanted, 1, timeoutMs) <= 0)
        return -1;
    return ::accept(fd_, nullptr, nullptr);
}

void LoopbackListener::stopAnswering()
{
    // A queue of none still holds one connection; with that one in it the queue is full.
    ::listen(fd_, 0);
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    const int filler = ::socket(address.ss_family, SOCK_STREAM | SOCK_NONBLOCK, 0);
    ::connect(filler, reinterpret_cast<sockaddr*>(&address), length);
    // Queued once its handshake is through; should the queue be full already, it waits in vain.
    pollfd connected{filler, POLLOUT, 0};
    ::poll(&connected, 1, FillTimeoutMs);
    waiting_.push_back(filler);
}
