#include "link/serial_transport.h"

#include <chrono>
#include <thread>

namespace {

// Longest wait for the driver to take a request; a frame is at most 255 bytes.
constexpr int WriteTimeoutMs = 5000;
// The port layer has no data-bits setting below five.
constexpr int SmallestDataBits = QSerialPort::Data5;

} // namespace

std::unique_ptr<SerialTransport> SerialTransport::open(const QString& device, const SerialLineSettings& settings,
                                                       QSerialPort::SerialPortError* error)
{
    auto port = std::make_unique<QSerialPort>(device);
    port->setBaudRate(clampBitRate(settings.bitRate));
    port->setDataBits(static_cast<QSerialPort::DataBits>(std::max(clampDataBits(settings.dataBits), SmallestDataBits)));
    port->setParity(parityOf(settings.parityCode));
    port->setStopBits(stopBitsOf(settings.stopBitsCode));
    port->setFlowControl(QSerialPort::NoFlowControl);
    // The input queue bounds what a babbling device can pile up; the output
    // queue is the driver's own business here.
    port->setReadBufferSize(settings.inputQueue);
    if (!port->open(QIODevice::ReadWrite)) {
        if (error)
            *error = port->error();
        return nullptr;
    }
    std::unique_ptr<SerialTransport> transport(new SerialTransport(std::move(port)));
    transport->setDtr(settings.dtr);
    transport->setRts(settings.rts);
    if (error)
        *error = QSerialPort::NoError;
    return transport;
}

SerialTransport::SerialTransport(std::unique_ptr<QSerialPort> port) : port_(std::move(port)) {}

SerialTransport::~SerialTransport() = default;

bool SerialTransport::isOpen() const
{
    return port_->isOpen();
}

bool SerialTransport::setBitRate(int bitsPerSecond)
{
    return isOpen() && port_->setBaudRate(clampBitRate(bitsPerSecond));
}

void SerialTransport::purge()
{
    if (isOpen())
        port_->clear(QSerialPort::AllDirections);
}

bool SerialTransport::setRts(bool on)
{
    if (isOpen() && port_->setRequestToSend(on))
        return true;
    clearError();
    return false;
}

bool SerialTransport::setDtr(bool on)
{
    if (isOpen() && port_->setDataTerminalReady(on))
        return true;
    clearError();
    return false;
}

bool SerialTransport::clearError()
{
    port_->clearError();
    return true;
}

bool SerialTransport::write(const QByteArray& bytes)
{
    if (!isOpen())
        return false;
    bool written = port_->write(bytes) == bytes.size();
    while (written && port_->bytesToWrite() > 0)
        written = port_->waitForBytesWritten(WriteTimeoutMs);
    if (!written) {
        port_->clear(QSerialPort::Output);
        clearError();
    }
    return written;
}

int SerialTransport::readAvailable(char* into, int max)
{
    if (!isOpen() || max <= 0)
        return 0;
    const qint64 got = port_->read(into, max);
    if (got < 0) {
        handleReadFailure();
        return 0;
    }
    return static_cast<int>(got);
}

bool SerialTransport::waitReadable(int milliseconds)
{
    if (!isOpen()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        return false;
    }
    if (port_->bytesAvailable() > 0 || port_->waitForReadyRead(milliseconds))
        return true;
    handleReadFailure();
    return false;
}

void SerialTransport::handleReadFailure()
{
    const QSerialPort::SerialPortError error = port_->error();
    if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError)
        port_->close();
    port_->clearError();
}
