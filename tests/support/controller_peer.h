#pragma once

#include <QByteArray>
#include <QList>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

// A controller on the far end of a file descriptor (a pseudo-terminal's master
// side or a TCP connection), served from a thread of its own: every request frame
// it reads is handed to the responder, whose bytes go back (none: silence).
class ControllerPeer {
public:
    using Responder = std::function<QByteArray(const QByteArray& request)>;

    // Serves `fd` (taking ownership when `owns`) until destroyed or hangUp().
    ControllerPeer(int fd, Responder responder, bool owns);
    ~ControllerPeer();
    ControllerPeer(const ControllerPeer&) = delete;
    ControllerPeer& operator=(const ControllerPeer&) = delete;

    // Closes the descriptor: the line goes dead.
    void hangUp();
    QList<QByteArray> requests() const;

private:
    void serve();
    void takeByte(char byte);

    int fd_;
    bool owns_;
    Responder responder_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    QList<QByteArray> requests_;
    QByteArray pending_;
    std::thread thread_;
};

// A pseudo-terminal pair: the engine opens the slave's path, the peer serves the master.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    QString slavePath() const { return slavePath_; }
    // The bit rate the line is set to now, by whoever opened the slave's path.
    int lineBitRate() const;
    // Hands the master side over (the caller closes it).
    int takeMaster();

private:
    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
};
