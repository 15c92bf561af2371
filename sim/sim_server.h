#pragma once

#include "sim/sim_server_options.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMetaObject>
#include <QThread>

class SimController;
class SimEndpoints;

// The simulator running in a thread of its own with its own event loop, so that a
// caller may block while it waits for an answer. Every method may be called from any
// other thread; each runs inside the simulator's thread.
class SimServer {
public:
    explicit SimServer(const SimServerOptions& options);
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    bool start(QString* error);

    quint16 tcpPort() const { return tcpPort_; }
    QString tcpHost() const { return tcpHost_; }
    QString ptyPath() const { return ptyPath_; }

    void setFaults(const QList<SimFault>& faults);
    void setDestroyed(const QList<int>& tables);
    // The table answers with `bytes` from now on (see SimController::holdTable).
    void holdTable(int number, const QByteArray& bytes);
    void setClock(const QDateTime& moment);
    // The controller's clock stands at the moment until set again.
    void holdClock(const QDateTime& moment);
    QDateTime clock();
    QList<QByteArray> requests();
    void clearRequests();
    QByteArray table(int number);
    int address();
    int version();
    void setModemSettings(const SimModemSettings& settings);

private:
    template <typename Work> void inSimThread(Work work)
    {
        QMetaObject::invokeMethod(anchor_, work, Qt::BlockingQueuedConnection);
    }
    template <typename Result, typename Read> Result readController(Read read);

    SimServerOptions options_;
    QThread thread_;
    QObject* anchor_ = nullptr; // lives in the thread; calls are queued to it
    SimEndpoints* endpoints_ = nullptr;
    quint16 tcpPort_ = 0;
    QString tcpHost_;
    QString ptyPath_;
};
