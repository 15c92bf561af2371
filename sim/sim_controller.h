#pragma once

#include "sim/history/sim_history.h"
#include "sim/sim_clock.h"
#include "sim/sim_config_state.h"
#include "sim/sim_controller_options.h"
#include "sim/sim_fault.h"
#include "sim/sim_outcome.h"
#include "sim/sim_request_log.h"
#include "sim/sim_table_access.h"
#include "sim/table_memory.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <optional>

// What goes back on the line for one request.
struct SimAnswer {
    QByteArray bytes;      // noise, preambles and the answer frame, in order
    int pauseAt = -1;      // the line falls silent before this byte ...
    int pauseMs = 0;       // ... for this long
    int bitsPerSecond = 0; // the controller's line rate while it answers
};

// The simulated controller without its line: takes one request frame and returns
// what it sends back, or nothing. Not thread-safe; its owner serialises the calls.
class SimController {
public:
    explicit SimController(const SimControllerOptions& options);

    // Opens the request log file; false with a reason when it cannot.
    bool openLog(QString* error);

    // `frame` is a whole request frame whose checksum has been checked.
    std::optional<SimAnswer> handle(QByteArrayView frame);

    // Request numbers of the faults count from the moment the faults are set.
    void setFaults(const QList<SimFault>& faults);
    void setDestroyed(const QList<int>& tables) { state_.setDestroyed(tables); }
    void setClock(const QDateTime& moment) { clock_.set(moment); }
    void holdClock(const QDateTime& moment) { clock_.hold(moment); }
    QDateTime clock() const { return clock_.now(); }
    QList<QByteArray> requests() const { return log_.frames(); }
    void clearRequests() { log_.clear(); }
    int address() const { return port_.address; }
    int version() const { return state_.version(); }
    int bitsPerSecond() const;
    // A table's bytes as the controller holds them now.
    QByteArray table(int number);
    // The table answers with these bytes from now on, whatever the controller
    // measures or is written: a test's way to a state it would otherwise wait for.
    void holdTable(int number, const QByteArray& bytes) { held_[number] = bytes; }

private:
    struct PortSettings {
        int address = 1;
        int baudCode = 0;
        int preambles = 0;
    };

    // The answer frame of a request carried out; `restarts` tells that the port settings
    // change once the answer is out.
    QByteArray carryOut(std::uint8_t function, QByteArrayView frame, bool* restarts);
    SimOutcome dispatch(std::uint8_t function, QByteArrayView frame);
    SimOutcome readFields(QByteArrayView body);
    SimOutcome correctClock(QByteArrayView body);
    SimOutcome reset(QByteArrayView body);
    // The credentials of a clock correction or a reset: 0 or the refusal.
    SimOutcome checkWriter(QByteArrayView credentials, int highestLevel) const;
    PortSettings portTableSettings() const;
    SimAnswer frameAnswer(const QByteArray& frame, const QList<SimFault>& faults) const;

    TableMemory tables_;
    SimClock clock_;
    SimConfigState state_;
    SimTableAccess access_;
    SimHistory history_;
    // Refreshes the history tables up to the clock, then puts the held tables back.
    void bringTablesUpToDate(int number);

    QList<SimFault> faults_;
    QMap<int, QByteArray> held_;
    int requestNumber_ = 0;
    SimRequestLog log_;
    QString logPath_;
    PortSettings port_;
};
