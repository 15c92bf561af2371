#pragma once

#include "sim/sim_controller.h"
#include "sim/sim_server_options.h"

#include <QObject>

class SimPtyEndpoint;
class SimTcpListener;

// The controller with its lines, all living in the simulator's own thread.
class SimEndpoints : public QObject {
    Q_OBJECT
public:
    explicit SimEndpoints(const SimServerOptions& options);

    bool open(QString* error);

    SimController& controller() { return controller_; }
    quint16 tcpPort() const;
    QString tcpHost() const;
    QString ptyPath() const;
    void setModemSettings(const SimModemSettings& settings);

private:
    SimServerOptions options_;
    SimController controller_;
    SimTcpListener* tcp_ = nullptr;
    SimPtyEndpoint* pty_ = nullptr;
};
