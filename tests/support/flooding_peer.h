#pragma once

#include <QByteArray>
#include <atomic>
#include <chrono>
#include <limits>
#include <thread>

// A peer that streams bytes into a connection from a thread of its own, as fast
// as the connection takes them: the noise over and over until `bytes` have gone
// or `longest` has passed, then the tail once. The connection stays open until
// the peer is destroyed.
class FloodingPeer {
public:
    struct Flood {
        qint64 bytes = std::numeric_limits<qint64>::max();
        std::chrono::milliseconds longest = std::chrono::hours(1);
        QByteArray tail;
    };

    // Every byte value but the answer's start symbol, so that none of it begins a frame.
    static QByteArray noise();

    // Floods `fd` (a connected socket, taken over and closed at the end).
    FloodingPeer(int fd, Flood flood);
    ~FloodingPeer();
    FloodingPeer(const FloodingPeer&) = delete;
    FloodingPeer& operator=(const FloodingPeer&) = delete;

    // Noise sent so far.
    qint64 sent() const { return sent_; }
    // Whether the noise is still being sent.
    bool flooding() const { return flooding_; }

private:
    void serve(const Flood& flood);
    // Sends what the connection takes within one short wait; how much that was.
    qsizetype send(QByteArrayView bytes);

    int fd_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> flooding_{true};
    std::atomic<qint64> sent_{0};
    std::thread thread_;
};
