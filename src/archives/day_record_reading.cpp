#include "archives/day_record_reading.h"

#include "archives/archive_answer.h"
#include "archives/archive_request.h"
#include "archives/stamp_bytes.h"
#include "crc/crc16.h"

namespace {

DateStamp dayStamp(const QDate& day)
{
    return {day.year() - 2000, day.month(), day.day(), 0, 0, 0};
}

} // namespace

QByteArray dayRecordRequestData(ArchiveKind dailyKind, const QDate& day)
{
    return archiveRequestData(dailyKind, dayStamp(day), dayStamp(day));
}

std::variant<QByteArray, DayRecordFault> dayRecordOfAnswer(ArchiveKind dailyKind, QByteArrayView frame,
                                                           const QDate& day)
{
    const ArchiveAnswer answer = parseArchiveAnswer(dailyKind, frame);
    // One day asked, one record at most answered.
    if (!answer.countHeld || answer.records.count() > 1)
        return DayRecordFault::CountNotHeld;
    if (answer.records.count() == 0)
        return DayRecordFault::NoRecord;
    QByteArray record = answer.records.recordBytes(0);
    if (crc16(record) != 0)
        return DayRecordFault::Damaged;
    if (stampAt(record, 0, archiveKindInfo(dailyKind).stampLength) != dayStamp(day))
        return DayRecordFault::OtherDay;
    return record;
}

std::variant<QByteArray, DayRecordFault> readDayRecord(RequestContext context, ArchiveKind dailyKind,
                                                       const QDate& day)
{
    Operator& person = context.person;
    hgcbox& engine = context.engine;
    person.setPanel(StatusPanel::Transient, {});
    if (!engine.request(archiveKindInfo(dailyKind).functionCode, dayRecordRequestData(dailyKind, day))) {
        person.setPanel(StatusPanel::Transient, engine.errorMessage());
        return DayRecordFault::NotAnswered;
    }
    const auto& frame = engine.answerFrame();
    auto checked =
        dayRecordOfAnswer(dailyKind, QByteArrayView(reinterpret_cast<const char*>(frame.data()), frame.size()), day);
    if (const auto* fault = std::get_if<DayRecordFault>(&checked)) {
        if (*fault == DayRecordFault::NoRecord)
            person.setPanel(StatusPanel::Transient, engine.errorMessage());
        else if (*fault == DayRecordFault::CountNotHeld)
            person.setPanel(StatusPanel::Transient,
                            QStringLiteral("Несоответствие запрошенных и переданных данных."));
    }
    return checked;
}
