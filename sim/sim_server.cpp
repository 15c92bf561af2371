#include "sim/sim_server.h"

#include "sim/sim_endpoints.h"

SimServer::SimServer(const SimServerOptions& options) : options_(options)
{
    thread_.setObjectName(QStringLiteral("gqc_sim"));
}

SimServer::~SimServer()
{
    if (anchor_) {
        inSimThread([this] {
            delete endpoints_;
            endpoints_ = nullptr;
        });
        QObject::connect(&thread_, &QThread::finished, anchor_, &QObject::deleteLater);
    }
    thread_.quit();
    thread_.wait();
}

bool SimServer::start(QString* error)
{
    anchor_ = new QObject;
    anchor_->moveToThread(&thread_);
    thread_.start();
    bool opened = false;
    inSimThread([&] {
        endpoints_ = new SimEndpoints(options_);
        opened = endpoints_->open(error);
        tcpPort_ = endpoints_->tcpPort();
        tcpHost_ = endpoints_->tcpHost();
        ptyPath_ = endpoints_->ptyPath();
    });
    return opened;
}

template <typename Result, typename Read> Result SimServer::readController(Read read)
{
    Result result{};
    inSimThread([&] { result = read(endpoints_->controller()); });
    return result;
}

void SimServer::setFaults(const QList<SimFault>& faults)
{
    inSimThread([&] { endpoints_->controller().setFaults(faults); });
}

void SimServer::holdTable(int number, const QByteArray& bytes)
{
    inSimThread([&] { endpoints_->controller().holdTable(number, bytes); });
}

void SimServer::setDestroyed(const QList<int>& tables)
{
    inSimThread([&] { endpoints_->controller().setDestroyed(tables); });
}

void SimServer::setClock(const QDateTime& moment)
{
    inSimThread([&] { endpoints_->controller().setClock(moment); });
}

void SimServer::holdClock(const QDateTime& moment)
{
    inSimThread([&] { endpoints_->controller().holdClock(moment); });
}

QDateTime SimServer::clock()
{
    return readController<QDateTime>([](SimController& controller) { return controller.clock(); });
}

QList<QByteArray> SimServer::requests()
{
    return readController<QList<QByteArray>>([](SimController& controller) { return controller.requests(); });
}

void SimServer::clearRequests()
{
    inSimThread([&] { endpoints_->controller().clearRequests(); });
}

QByteArray SimServer::table(int number)
{
    return readController<QByteArray>([number](SimController& controller) { return controller.table(number); });
}

int SimServer::address()
{
    return readController<int>([](SimController& controller) { return controller.address(); });
}

int SimServer::version()
{
    return readController<int>([](SimController& controller) { return controller.version(); });
}

void SimServer::setModemSettings(const SimModemSettings& settings)
{
    inSimThread([&] { endpoints_->setModemSettings(settings); });
}
