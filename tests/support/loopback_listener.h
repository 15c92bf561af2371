#pragma once

#include <cstdint>
#include <vector>

// A TCP listener on the loopback address (127.0.0.1, or ::1) at a free port.
// The kernel completes a connect before accept() is called, so the engine can
// connect from the test's thread and the test accepts afterwards.
class LoopbackListener {
public:
    enum class Family { IPv4, IPv6 };

    explicit LoopbackListener(Family family = Family::IPv4);
    ~LoopbackListener();
    LoopbackListener(const LoopbackListener&) = delete;
    LoopbackListener& operator=(const LoopbackListener&) = delete;

    // False where the address family cannot be had (a machine without IPv6).
    bool listening() const { return port_ != 0; }
    std::uint16_t port() const { return port_; }
    // The descriptor of the next connection, -1 when none comes in time.
    int accept(int timeoutMs = 1000);
    // From now on a connect gets no answer at all, as from a host that is there
    // but silent: the queue of connections nobody has accepted is filled, and
    // the kernel drops further requests instead of refusing them.
    void stopAnswering();

private:
    int fd_ = -1;
    std::uint16_t port_ = 0;
    std::vector<int> waiting_; // the connections that fill the queue
};
