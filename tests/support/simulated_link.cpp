#include "support/simulated_link.h"

#include "link/request_frame.h"
#include "link/tcp_transport.h"

#include <gtest/gtest.h>

#include <QTcpSocket>
#include <cstring>
#include <ostream>

namespace {
constexpr int ReadTable = 5; // start, address, length, code, value byte, then the range
} // namespace

SimulatedLink::SimulatedLink(const SimControllerOptions& controller)
{
    SimServerOptions options;
    options.tcp = true;
    options.controller = controller;
    server_ = std::make_unique<SimServer>(options);
    QString error;
    if (!server_->start(&error)) {
        ADD_FAILURE() << error.toStdString();
        return;
    }
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(server_->tcpHost(), server_->tcpPort());
    if (!socket->waitForConnected(5000)) {
        ADD_FAILURE() << "no connection to the simulator";
        return;
    }
    ExchangeSettings settings;
    settings.linkKind = LinkKind::Ethernet;
    settings.sendPauseMs = 0;
    settings.openPerRequest = false;
    settings.address = static_cast<std::uint8_t>(controller.address);
    settings.attempts = 1;
    settings.answerTimeoutMs = 2000;
    settings.interByteMs = 200;
    engine.setSettings(settings);
    engine.setOperator(&person);
    engine.setTransport(std::make_unique<TcpTransport>(std::move(socket)));
    logIn(Administrator);
    up_ = true;
}

void SimulatedLink::logIn(const char* const credentials[2])
{
    ExchangeSettings settings = engine.settings();
    settings.credentials = WriteCredentials{};
    std::copy_n(credentials[0], std::strlen(credentials[0]), settings.credentials.password.begin());
    std::copy_n(credentials[1], std::strlen(credentials[1]), settings.credentials.userCode.begin());
    engine.setSettings(settings);
}

void SimulatedLink::setFaults(const QString& plan)
{
    QList<SimFault> faults;
    QString error;
    if (!SimFault::parseText(plan, &faults, &error))
        ADD_FAILURE() << error.toStdString();
    server_->setFaults(faults);
}

QList<QByteArray> SimulatedLink::frames()
{
    return server_->requests();
}

void SimulatedLink::forgetRequests()
{
    server_->clearRequests();
}

std::vector<FieldRange> SimulatedLink::reads()
{
    return rangesOf(1);
}

std::vector<FieldRange> SimulatedLink::writes()
{
    return rangesOf(2);
}

std::vector<FieldRange> SimulatedLink::rangesOf(int function)
{
    std::vector<FieldRange> ranges;
    const int at = function == 1 ? ReadTable : FrameOffset::WriteTable;
    for (const QByteArray& frame : frames()) {
        if (frame.size() < at + 3 || frame[3] != function)
            continue;
        ranges.push_back({static_cast<std::uint8_t>(frame[at]), static_cast<std::uint8_t>(frame[at + 1]),
                          static_cast<std::uint8_t>(frame[at + 2])});
    }
    return ranges;
}

void PrintTo(const FieldRange& range, std::ostream* os)
{
    *os << "{" << int(range.table) << ", " << int(range.first) << ", " << int(range.count) << "}";
}
