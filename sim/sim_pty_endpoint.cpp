#include "sim/sim_pty_endpoint.h"

#include "sim/sim_protocol_line.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr int writeWaitMs = 1000; // longest wait for room in the terminal's buffer
}

SimPtyEndpoint::SimPtyEndpoint(SimController& controller, int turnaroundMs, bool pace, QObject* parent)
    : QObject(parent), controller_(controller)
{
    line_ = new SimProtocolLine(
        controller_, [this](QByteArrayView bytes) { writeMaster(bytes); }, turnaroundMs, pace, this);
    modemTimer_.setSingleShot(true);
    connect(&modemTimer_, &QTimer::timeout, this, &SimPtyEndpoint::pollModem);
    clock_.start();
}

SimPtyEndpoint::~SimPtyEndpoint()
{
    notifier_.reset();
    if (!link_.isEmpty() && QFileInfo(link_).isSymLink())
        QFile::remove(link_);
    if (slaveFd_ >= 0)
        ::close(slaveFd_);
    if (masterFd_ >= 0)
        ::close(masterFd_);
}

bool SimPtyEndpoint::open(const QString& link, QString* error)
{
    char name[256] = {};
    if (::openpty(&masterFd_, &slaveFd_, name, nullptr, nullptr) != 0) {
        *error = QStringLiteral("cannot make a pseudo-terminal: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    termios raw{};
    ::tcgetattr(slaveFd_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slaveFd_, TCSANOW, &raw);
    ::fcntl(masterFd_, F_SETFL, ::fcntl(masterFd_, F_GETFL) | O_NONBLOCK);
    slavePath_ = QString::fromLocal8Bit(name);

    if (!link.isEmpty()) {
        if (QFileInfo(link).isSymLink())
            QFile::remove(link);
        if (::symlink(name, QFile::encodeName(link).constData()) != 0) {
            *error = QStringLiteral("cannot make the link %1: %2").arg(link, QString::fromLocal8Bit(strerror(errno)));
            return false;
        }
        link_ = link;
    }
    notifier_ = std::make_unique<QSocketNotifier>(masterFd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SimPtyEndpoint::readMaster);
    return true;
}

void SimPtyEndpoint::useModem(const SimModemSettings& settings)
{
    modem_ = std::make_unique<SimModem>(settings);
}

void SimPtyEndpoint::setModemSettings(const SimModemSettings& settings)
{
    if (modem_)
        modem_->setSettings(settings);
}

void SimPtyEndpoint::readMaster()
{
    char buffer[4096];
    const ssize_t count = ::read(masterFd_, buffer, sizeof buffer);
    if (count <= 0)
        return;
    const QByteArrayView bytes(buffer, count);
    if (modem_)
        deliver(modem_->feed(bytes, clock_.elapsed()));
    else
        line_->receive(bytes);
}

void SimPtyEndpoint::pollModem()
{
    deliver(modem_->poll(clock_.elapsed()));
}

void SimPtyEndpoint::deliver(const SimModem::Output& output)
{
    if (!output.toLine.isEmpty())
        writeMaster(output.toLine);
    if (!output.toController.isEmpty())
        line_->receive(output.toController);
    const qint64 deadline = modem_->nextDeadline();
    if (deadline >= 0)
        modemTimer_.start(static_cast<int>(qMax<qint64>(0, deadline - clock_.elapsed())));
}

void SimPtyEndpoint::writeMaster(QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(masterFd_, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (count > 0) {
            done += count;
            continue;
        }
        if (count < 0 && errno != EAGAIN && errno != EINTR)
            return;
        pollfd room{masterFd_, POLLOUT, 0};
        if (::poll(&room, 1, writeWaitMs) <= 0)
            return; // nobody drains the terminal: the answer is lost, as on a dead line
    }
}
