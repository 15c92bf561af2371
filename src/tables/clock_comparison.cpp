#include "tables/clock_comparison.h"

#include "base/common_texts.h"
#include "tables/calendar.h"
#include "tables/date_time_table.h"

namespace {

constexpr int daysInWeek = 7;

QString dayName(int dayOfWeek)
{
    if (dayOfWeek < 1 || dayOfWeek > daysInWeek)
        return {};
    return commonText(CommonTextBase::Weekdays + dayOfWeek - 1);
}

QString timeTypeName(int type)
{
    return commonText(CommonTextBase::SummerWinter + (type == summerTime ? 0 : 1));
}

ClockColumn columnOf(const DateStamp& stamp, const QByteArray& table2)
{
    const auto byte = [&table2](int index) { return static_cast<std::uint8_t>(table2[index]); };
    return {QString::asprintf("%02d.%02d.%02d", stamp.day, stamp.month, stamp.year),
            QString::asprintf("%02d:%02d:%02d", stamp.hour, stamp.minute, stamp.second),
            dayName(byte(DateTimeTable::dayOfWeekByte)), timeTypeName(byte(DateTimeTable::timeTypeByte))};
}

} // namespace

ClockComparison compareClocks(QByteArrayView table2, QByteArrayView table6, const QDateTime& pcNow)
{
    // A short table reads as zeros rather than past its end.
    const QByteArray controllerTable = table2.toByteArray().leftJustified(DateTimeTable::size, '\0', true);
    const QByteArray pcTable = pcDateTable(pcNow, table6);
    const DateStamp controller = stampOfDateTable(controllerTable);
    const DateStamp pc = stampOfDateTable(pcTable);

    ClockComparison result;
    result.controller = columnOf(controller, controllerTable);
    result.pc = columnOf(pc, pcTable);
    result.differs = {result.controller.date != result.pc.date, result.controller.time != result.pc.time,
                      result.controller.dayName != result.pc.dayName, result.controller.timeType != result.pc.timeType};
    result.sameSecond = controller == pc;
    result.correction = clockCorrection(controller, pc);
    return result;
}
