#pragma once

#include "logs/log_kind.h"

#include <QByteArray>
#include <QByteArrayView>

// What one answer to a log request brought. An answer that announces more
// records than its length holds (or, by index, more than were asked for) is
// not believed: it counts as a failed request.
struct LogAnswer {
    bool believed = false;
    int count = 0;
    QByteArray records;    // `count` records, oldest first
    bool more = false;     // by period: A[7] non-zero, the controller has more of the period
    bool logError = false; // by period: A[4] bit 7, the controller found an error in the log
};

// The answer frame (from its first byte; its length byte says where it ends) to
// a request by index for `asked` records: A[10] = n, records from A[11].
LogAnswer parseIndexAnswer(LogKind kind, QByteArrayView frame, int asked);
// The answer frame to a request by period: A[4] bit 7 the error, A[6] = n,
// A[7] more to follow, records from A[8].
LogAnswer parsePeriodAnswer(LogKind kind, QByteArrayView frame);
