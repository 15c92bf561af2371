#pragma once

#include <cstdint>

// A TCP listener on 127.0.0.1 at a free port. The kernel completes a connect
// before accept() is called, so the engine can connect from the test's thread
// and the test accepts afterwards.
class LoopbackListener {
public:
    LoopbackListener();
    ~LoopbackListener();
    LoopbackListener(const LoopbackListener&) = delete;
    LoopbackListener& operator=(const LoopbackListener&) = delete;

    std::uint16_t port() const { return port_; }
    // The descriptor of the next connection, -1 when none comes in time.
    int accept(int timeoutMs = 1000);

private:
    int fd_ = -1;
    std::uint16_t port_ = 0;
};
