#pragma once

#include <QByteArray>
#include <QByteArrayView>

struct SimModemSettings {
    QByteArray dialResult = "CONNECT 9600"; // or "BUSY", "NO CARRIER", "NO DIALTONE", ...
    bool gsmReady = true;                   // AT+CPAS answers "+CPAS: 0", else ERROR
    bool numericAtStart = false;            // numeric result codes until ATV1
    int guardMs = 500;                      // silence around "+++"
};

// A Hayes-style modem in front of the controller: in command mode it echoes (until
// ATE0), answers AT commands and dials; once connected it passes every byte to the
// controller until "+++" framed by the guard time brings it back to command mode.
class SimModem {
public:
    struct Output {
        QByteArray toLine;       // what the modem itself sends back
        QByteArray toController; // protocol bytes for the controller
    };

    explicit SimModem(const SimModemSettings& settings) : settings_(settings), verbal_(!settings.numericAtStart) {}

    Output feed(QByteArrayView bytes, qint64 nowMs);
    // Completes an escape whose trailing guard time has passed.
    Output poll(qint64 nowMs);
    // When poll() has something to do; -1 for never.
    qint64 nextDeadline() const;

    bool online() const { return online_; }
    void setSettings(const SimModemSettings& settings) { settings_ = settings; }

private:
    void command(QByteArray line, Output& out);
    QByteArray result(const QByteArray& text) const;
    void feedOnline(char byte, qint64 nowMs, Output& out);

    SimModemSettings settings_;
    bool echo_ = true;
    bool verbal_;
    bool online_ = false;
    QByteArray commandLine_;
    qint64 lastByteMs_ = -1;
    int pluses_ = 0; // escape characters held back
    qint64 escapeMs_ = 0;
};
