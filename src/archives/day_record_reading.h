#pragma once

#include "archives/archive_kind.h"
#include "exchange/request_context.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <variant>

// Why a one-day request of a daily archive brought no record of that day.
enum class DayRecordFault {
    NotAnswered,  // the request failed
    NoRecord,     // the controller has no record of the day
    CountNotHeld, // the answer announces more records than it holds, or more than the one day asked
    Damaged,      // the record's checksum is wrong
    OtherDay,     // the record is of another day than the one asked
};

// The day record of the daily archive `dailyKind` in the answer frame `frame`
// (from its first byte) to the request of `day`, or why there is none.
std::variant<QByteArray, DayRecordFault> dayRecordOfAnswer(ArchiveKind dailyKind, QByteArrayView frame,
                                                           const QDate& day);

// The 9 data bytes of the daily archive's request for `day` alone.
QByteArray dayRecordRequestData(ArchiveKind dailyKind, const QDate& day);

// Asks the controller for the record of `day` of the daily archive
// `dailyKind`. When no record came (a failed request, an answer without it or
// not holding what it announces) panel 2 holds the reason; the command tells
// the operator in its own words.
std::variant<QByteArray, DayRecordFault> readDayRecord(RequestContext context, ArchiveKind dailyKind,
                                                       const QDate& day);
