#include "archives/archive_bounds_query.h"

#include "archives/archive_stamps.h"
#include "archives/stamp_bytes.h"
#include "base/table_numbers.h"

namespace {

constexpr std::uint8_t FirstRecordTable = 27;
constexpr std::uint8_t DateTimeRecords = 8;
constexpr std::uint8_t SystemParameterRecords = 10;
constexpr int ContractHourByte = 6;
constexpr int DayShiftByte = 5;
constexpr std::uint8_t DayShiftFlag = 0x80;

// Table 27 keeps the 5-minute, the hourly and the daily archive's first record, in this order.
std::uint8_t firstRecordField(PeriodMode mode)
{
    switch (mode) {
    case PeriodMode::FiveMinute:
        return 0;
    case PeriodMode::Hourly:
        return 1;
    case PeriodMode::Daily:
        return 2;
    }
    return 0;
}

// The stamp the controller keeps before its archive ever held a record.
const DateStamp NeverWritten{1, 1, 1, 0, 0, 0};

bool refuseWrongStamp(Operator& person, const DateStamp& stamp)
{
    person.message(MessageKind::Error, QStringLiteral("Прочитанные параметры даты и времени (%1)").arg(stampText(stamp)),
                   QStringLiteral("не соответствуют допустимым значениям"));
    return false;
}

} // namespace

std::optional<DateStamp> readControllerTime(RequestLayer& layer)
{
    if (!layer.readFields({TableNumber::DateTime, 0, DateTimeRecords}))
        return std::nullopt;
    const auto table = layer.context().image.table(TableNumber::DateTime);
    const DateStamp now = stampAt(QByteArrayView(table.data(), FullStampLength), 0, FullStampLength);
    if (!isValidStamp(now)) {
        refuseWrongStamp(layer.context().person, now);
        return std::nullopt;
    }
    return now;
}

std::optional<ArchiveBoundsQuery> queryArchiveBounds(RequestLayer& layer, PeriodMode mode)
{
    Operator& person = layer.context().person;
    const std::uint8_t field = firstRecordField(mode);
    if (!layer.readFields({FirstRecordTable, field, 1}))
        return std::nullopt;
    QByteArray first(reinterpret_cast<const char*>(layer.context().image.field(FirstRecordTable, field).data()),
                     FullStampLength);
    ArchiveExtent extent;
    // Only the daily archive's stamp carries the day-shift flag.
    if (mode == PeriodMode::Daily) {
        extent.dayShift = (static_cast<std::uint8_t>(first[DayShiftByte]) & DayShiftFlag) != 0;
        first[DayShiftByte] = static_cast<char>(first[DayShiftByte] & ~DayShiftFlag);
    }
    extent.firstRecord = stampAt(first, 0, FullStampLength);
    if (extent.firstRecord == NeverWritten) {
        person.message(MessageKind::Information, QStringLiteral("В архиве нет данных"));
        return std::nullopt;
    }
    if (!isValidStamp(extent.firstRecord)) {
        refuseWrongStamp(person, extent.firstRecord);
        return std::nullopt;
    }

    const std::optional<DateStamp> now = readControllerTime(layer);
    if (!now)
        return std::nullopt;
    extent.now = *now;
    if (!layer.readFields({TableNumber::SystemParameters, 0, SystemParameterRecords}))
        return std::nullopt;
    extent.contractHour = layer.context().image.table(TableNumber::SystemParameters)[ContractHourByte];

    const ArchiveBounds bounds = archiveBounds(mode, extent);
    if (bounds.oldest > bounds.newest) {
        person.message(MessageKind::Information, QStringLiteral("В архиве еще нет ни одной записи"));
        return std::nullopt;
    }
    return ArchiveBoundsQuery{bounds, extent};
}
