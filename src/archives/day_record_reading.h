#pragma once

#include "archives/chrom_interval_record.h"
#include "exchange/request_context.h"

#include <QByteArrayView>
#include <QDate>
#include <optional>
#include <variant>

// Why the answer to a one-day request of the chromatograph's day archive gave
// no record a report may be made of.
enum class DayRecordFault {
    NoRecord,     // the controller has no record of the day
    CountNotHeld, // the answer announces more records than it holds, or more than the one day asked
    Damaged,      // the record's checksum is wrong
    OtherDay,     // the record is of another day than the one asked
    SwitchedOff,  // the controller was off the whole day: the record holds no values
    NoMethane,    // the methane fraction is no number
};

// The day record in the answer frame `frame` (from its first byte) to the
// request of `day`, or why there is none to report.
std::variant<ChromIntervalRecord, DayRecordFault> dayRecordOfAnswer(QByteArrayView frame, const QDate& day);

// The 9 data bytes of the day archive's request for `day` alone.
QByteArray dayRecordRequestData(const QDate& day);

// Asks the controller for the record of `day` of the chromatograph's day
// archive, under the busy cursor. None when there is no sound record, and the
// operator has been told why: a failed request or an answer without the record
// puts the reason in panel 2 and says "Суточные данные из архива" / "не
// прочитаны"; a damaged record "Суточные данные недостоверны" / "(не совпадает
// КС записи"; a record of another day, of a day the controller was off, or
// without a methane value "Суточные данные недостоверны" and the reason.
std::optional<ChromIntervalRecord> readDayRecord(RequestContext context, const QDate& day);
