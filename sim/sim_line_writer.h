#pragma once

#include "sim/sim_controller.h"

#include <QByteArrayView>
#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <deque>
#include <functional>

// Puts answers on the line: after the turnaround delay, and with pacing one byte every
// ten bit times of the controller's line rate, so that the time an answer takes is that
// of a real serial line; a pause fault holds the line silent in the middle of an answer.
// Bytes leave at their due time to the microsecond (a timer of milliseconds would
// put up to a millisecond on every answer, a tenth of a short answer at 115200 bit/s).
class SimLineWriter : public QObject {
    Q_OBJECT
public:
    using Sink = std::function<void(QByteArrayView)>;

    SimLineWriter(Sink sink, int turnaroundMs, bool pace, QObject* parent = nullptr);
    ~SimLineWriter() override;
    SimLineWriter(const SimLineWriter&) = delete;
    SimLineWriter& operator=(const SimLineWriter&) = delete;

    void send(const SimAnswer& answer);

private:
    struct DueByte {
        qint64 dueNs;
        char byte;
    };

    void writeDue();
    void armTimer(qint64 inNs);

    Sink sink_;
    int turnaroundMs_;
    bool pace_;
    QElapsedTimer clock_;
    int timerFd_;
    QSocketNotifier* timerFired_;
    std::deque<DueByte> queue_;
    qint64 lineFreeNs_ = 0;
};
