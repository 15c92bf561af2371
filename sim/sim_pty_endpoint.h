#pragma once

#include "sim/sim_modem.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>

class SimController;
class SimProtocolLine;

// The controller's serial side: a pseudo-terminal whose slave a program opens like a
// serial port (through a symbolic link when asked), optionally behind a modem.
class SimPtyEndpoint : public QObject {
    Q_OBJECT
public:
    SimPtyEndpoint(SimController& controller, int turnaroundMs, bool pace, QObject* parent = nullptr);
    ~SimPtyEndpoint() override;

    // Makes the pseudo-terminal and, unless `link` is empty, a symbolic link to its slave.
    bool open(const QString& link, QString* error);
    void useModem(const SimModemSettings& settings);
    void setModemSettings(const SimModemSettings& settings);

    QString slavePath() const { return slavePath_; }

private:
    void readMaster();
    void pollModem();
    void deliver(const SimModem::Output& output);
    void writeMaster(QByteArrayView bytes);

    SimController& controller_;
    int masterFd_ = -1;
    int slaveFd_ = -1; // held open so that the master never sees a hang-up between clients
    QString slavePath_;
    QString link_;
    std::unique_ptr<QSocketNotifier> notifier_;
    SimProtocolLine* line_ = nullptr;
    std::unique_ptr<SimModem> modem_;
    QTimer modemTimer_;
    QElapsedTimer clock_;
};
