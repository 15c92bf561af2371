#include "support/flooding_peer.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int PollSliceMs = 10;
constexpr char AnswerStart = '\x33';
constexpr int NoiseLength = 4096;

} // namespace

QByteArray FloodingPeer::noise()
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < NoiseLength; ++i) {
        if (static_cast<char>(i) != AnswerStart)
            bytes.append(static_cast<char>(i));
    }
    return bytes;
}

FloodingPeer::FloodingPeer(int fd, Flood flood) : fd_(fd), thread_([this, flood] { serve(flood); }) {}

FloodingPeer::~FloodingPeer()
{
    stop_ = true;
    thread_.join();
    ::close(fd_);
}

void FloodingPeer::serve(const Flood& flood)
{
    const QByteArray pattern = noise();
    const auto end = std::chrono::steady_clock::now() + flood.longest;
    while (!stop_ && sent_ < flood.bytes && std::chrono::steady_clock::now() < end) {
        const qint64 left = flood.bytes - sent_;
        sent_ += send(QByteArrayView(pattern).first(std::min<qint64>(left, pattern.size())));
    }
    flooding_ = false;
    for (qsizetype at = 0; !stop_ && at < flood.tail.size();)
        at += send(QByteArrayView(flood.tail).sliced(at));
}

qsizetype FloodingPeer::send(QByteArrayView bytes)
{
    pollfd writable{fd_, POLLOUT, 0};
    if (::poll(&writable, 1, PollSliceMs) <= 0)
        return 0;
    // The engine's side may be closed under the peer: no signal for that.
    const ssize_t written =
        ::send(fd_, bytes.data(), static_cast<std::size_t>(bytes.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
    return written > 0 ? written : 0;
}
