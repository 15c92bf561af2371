#include "archives/day_record_reading.h"

#include "archives/archive_answer.h"
#include "archives/archive_request.h"

#include <cmath>

namespace {

constexpr ArchiveKind DayArchive = ArchiveKind::ChromDaily;

DateStamp dayStamp(const QDate& day)
{
    return {day.year() - 2000, day.month(), day.day(), 0, 0, 0};
}

// The second line under "Суточные данные недостоверны".
QString unsoundReason(DayRecordFault fault)
{
    switch (fault) {
    case DayRecordFault::Damaged:
        // Without a closing parenthesis: the line has always read so.
        return QStringLiteral("(не совпадает КС записи");
    case DayRecordFault::OtherDay:
        return QStringLiteral("(дата записи не совпадает с запрошенной)");
    case DayRecordFault::SwitchedOff:
        return QStringLiteral("(контроллер был выключен в эти сутки)");
    case DayRecordFault::NoMethane:
        return QStringLiteral("(недопустимое значение доли метана)");
    case DayRecordFault::NoRecord:
    case DayRecordFault::CountNotHeld:
        break;
    }
    return {};
}

} // namespace

QByteArray dayRecordRequestData(const QDate& day)
{
    return archiveRequestData(DayArchive, dayStamp(day), dayStamp(day));
}

std::variant<ChromIntervalRecord, DayRecordFault> dayRecordOfAnswer(QByteArrayView frame, const QDate& day)
{
    const ArchiveAnswer answer = parseArchiveAnswer(DayArchive, frame);
    // One day asked, one record at most answered.
    if (!answer.countHeld || answer.records.count() > 1)
        return DayRecordFault::CountNotHeld;
    if (answer.records.count() == 0)
        return DayRecordFault::NoRecord;
    const auto record = answer.records.at<ChromIntervalRecord>(0);
    if (!record.intact())
        return DayRecordFault::Damaged;
    if (truncatedTo(PeriodMode::Daily, record.start()) != dayStamp(day))
        return DayRecordFault::OtherDay;
    if (record.status() & ChromIntervalRecord::SwitchedOff)
        return DayRecordFault::SwitchedOff;
    if (!std::isfinite(record.gasParams()[GasSlot::Methane]))
        return DayRecordFault::NoMethane;
    return record;
}

std::optional<ChromIntervalRecord> readDayRecord(RequestContext context, const QDate& day)
{
    Operator& person = context.person;
    hgcbox& engine = context.engine;
    const BusyCursor busy(person);
    person.setPanel(StatusPanel::Transient, {});
    const auto notRead = [&](const QString& reason) {
        person.setPanel(StatusPanel::Transient, reason);
        person.pump();
        person.message(MessageKind::Information, QStringLiteral("Суточные данные из архива"),
                       QStringLiteral("не прочитаны"));
        return std::nullopt;
    };
    if (!engine.request(archiveKindInfo(DayArchive).functionCode, dayRecordRequestData(day)))
        return notRead(engine.errorMessage());
    const auto& frame = engine.answerFrame();
    const auto checked =
        dayRecordOfAnswer(QByteArrayView(reinterpret_cast<const char*>(frame.data()), frame.size()), day);
    if (const auto* record = std::get_if<ChromIntervalRecord>(&checked))
        return *record;
    switch (const DayRecordFault fault = std::get<DayRecordFault>(checked)) {
    case DayRecordFault::NoRecord:
        return notRead(engine.errorMessage());
    case DayRecordFault::CountNotHeld:
        return notRead(QStringLiteral("Несоответствие запрошенных и переданных данных."));
    default:
        person.message(MessageKind::Information, QStringLiteral("Суточные данные недостоверны"), unsoundReason(fault));
        return std::nullopt;
    }
}
