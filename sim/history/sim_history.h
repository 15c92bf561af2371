#pragma once

#include "sim/history/archive_requests.h"
#include "sim/history/current_data.h"
#include "sim/history/log_requests.h"
#include "sim/history/sim_reply.h"
#include "sim/table_memory.h"

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QTime>
#include <cstdint>

struct SimHistoryOptions {
    std::uint32_t seed = 1;
    bool moistureMeter = true;
    QList<QDateTime> damagedRecords; // records stamped at these moments carry a wrong checksum
    // The controller began to keep its archives and logs at this moment; a moment after the clock
    // leaves them empty.
    QDateTime historyStart = QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
    // The start of the gas day, until refreshTables finds it in table 6.
    int contractHour = 9;
    // Links the operator of the simulator has cut: lost from that moment on (invalid: never cut).
    QDateTime chromatographLinkCut;
    QDateTime moistureMeterLinkCut;
    std::uint16_t flowComputerLinks = 0xFFFF; // bit k: the link with flow computer k + 1 is up
};

// The controller's measurement history: archives, event logs and current data,
// generated deterministically from the seed for any moment.
class SimHistory {
public:
    explicit SimHistory(const SimHistoryOptions& options);

    // Function codes answered here: log requests 7 and 8, archive requests 14, 15 and 16.
    static bool handles(std::uint8_t function);
    SimReply answer(std::uint8_t function, QByteArrayView data, const QDateTime& now);

    // Brings the tables that reflect the history and the current measurements up to `now`:
    // 8, 10, 11, 12, 16, 27, 30 and 32 to 37. It also takes the contract hour from table 6.
    void refreshTables(TableMemory& tables, const QDateTime& now);

private:
    struct Models;
    SimHistory(const SimHistoryOptions& options, const Models& models);
    SimHist::ArchiveCalendar calendar() const;

    SimHist::ClockMoment historyStart_;
    int contractHour_;
    SimHist::ArchiveRequests archives_;
    SimHist::LogRequests logs_;
    SimHist::CurrentData currentData_;
};
