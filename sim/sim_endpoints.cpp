#include "sim/sim_endpoints.h"

#include "sim/sim_pty_endpoint.h"
#include "sim/sim_tcp_listener.h"

SimEndpoints::SimEndpoints(const SimServerOptions& options) : options_(options), controller_(options.controller) {}

bool SimEndpoints::open(QString* error)
{
    if (!controller_.openLog(error))
        return false;
    if (options_.tcp) {
        tcp_ = new SimTcpListener(controller_, options_.turnaroundMs, options_.pace, this);
        if (!tcp_->listen(options_.tcpHost, options_.tcpPort, error))
            return false;
    }
    if (options_.pty) {
        pty_ = new SimPtyEndpoint(controller_, options_.turnaroundMs, options_.pace, this);
        if (!pty_->open(options_.ptyLink, error))
            return false;
        if (options_.modem)
            pty_->useModem(options_.modemSettings);
    }
    return true;
}

quint16 SimEndpoints::tcpPort() const
{
    return tcp_ ? tcp_->port() : 0;
}

QString SimEndpoints::tcpHost() const
{
    return tcp_ ? tcp_->host() : QString();
}

QString SimEndpoints::ptyPath() const
{
    return pty_ ? pty_->slavePath() : QString();
}

void SimEndpoints::setModemSettings(const SimModemSettings& settings)
{
    if (pty_)
        pty_->setModemSettings(settings);
}
