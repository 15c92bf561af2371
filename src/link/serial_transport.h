#pragma once

#include "link/serial_line_settings.h"
#include "link/transport.h"

#include <QSerialPort>
#include <QString>
#include <memory>

// A serial port as the engine's byte pipe. Reads return at once with what has
// arrived; RTS and DTR are driven by hand where the device has them. A port that
// reports a read error or hangs up is closed, so that a dead line cannot keep
// the engine busy: from then on nothing arrives and the engine's time-outs end
// the exchange.
class SerialTransport : public Transport {
public:
    // Opens the device exclusively and applies the line settings (bit rate and
    // data bits clamped); null when it cannot be opened or configured, with the
    // reason in `error` when given.
    static std::unique_ptr<SerialTransport> open(const QString& device, const SerialLineSettings& settings,
                                                 QSerialPort::SerialPortError* error = nullptr);
    ~SerialTransport() override;

    bool setBitRate(int bitsPerSecond) override;
    void purge() override;
    // False where the device has no such line (a pseudo-terminal, an adapter
    // that switches direction by itself); the exchange goes on without it.
    bool setRts(bool on) override;
    bool setDtr(bool on);
    bool clearError();
    bool write(const QByteArray& bytes) override;
    int readAvailable(char* into, int max) override;
    bool waitReadable(int milliseconds) override;

    bool isOpen() const;

private:
    explicit SerialTransport(std::unique_ptr<QSerialPort> port);
    // After a failed read: a broken line is closed, anything else is cleared.
    void handleReadFailure();

    std::unique_ptr<QSerialPort> port_;
};
