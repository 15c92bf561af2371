#include "archives/moment_period_guard.h"

#include "archives/archive_stamps.h"
#include "tables/calendar.h"

#include <QElapsedTimer>
#include <QThread>

namespace {

// A day of 5-minute records: a start further from the oldest bound cannot be
// overwritten while it is read.
constexpr qint64 SafeDistanceSlots = 288;
constexpr int RingMonths = 2;
constexpr int LastMinuteOfSlot = 4;
constexpr int SecondsBeforeRecordWrite = 55;

qint64 slotsBetween(const DateStamp& from, const DateStamp& to)
{
    return dateTimeOf(fiveMinuteSlot(from)).secsTo(dateTimeOf(fiveMinuteSlot(to))) / (5 * 60);
}

// The controller writes its next 5-minute record within five seconds.
bool recordWriteDue(const DateStamp& now)
{
    return now.minute % 5 == LastMinuteOfSlot && now.second >= SecondsBeforeRecordWrite;
}

// Once the controller's clock passes this moment, each new record overwrites the oldest.
DateStamp ringFullFrom(const DateStamp& firstRecord)
{
    DateStamp limit = fiveMinuteSlot(firstRecord);
    for (int i = 0; i < RingMonths; ++i)
        limit = stepForward(limit, StampUnit::Month);
    return limit;
}

} // namespace

RecordWriteWait waitWhilePumping(Operator& person)
{
    return [&person](int seconds) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < seconds * 1000LL) {
            person.pump();
            QThread::msleep(10);
        }
    };
}

bool guardMomentPeriod(RequestLayer& layer, const ArchiveBoundsQuery& query, Period& period,
                       const RecordWriteWait& wait)
{
    if (slotsBetween(query.bounds.oldest, period.start) > SafeDistanceSlots)
        return true;

    Operator& person = layer.context().person;
    ArchiveExtent extent = query.extent;
    ArchiveBounds bounds = query.bounds;
    for (;;) {
        const std::optional<DateStamp> now = readControllerTime(layer);
        if (!now)
            return false;
        extent.now = *now;
        bounds = archiveBounds(PeriodMode::FiveMinute, extent);
        if (period.start < bounds.oldest && period.end < bounds.oldest) {
            person.message(MessageKind::ArchiveDatesChanged, QStringLiteral("В архиве уже нет данных за указанный период"));
            return false;
        }
        if (extent.now < ringFullFrom(extent.firstRecord))
            return true;
        if (!recordWriteDue(extent.now))
            break;
        wait(60 - extent.now.second);
    }
    if (period.start >= bounds.oldest)
        return true;
    if (!person.message(MessageKind::ArchiveDatesChangedQuestion,
                        QStringLiteral("Корректировать заданный период чтения данных?")))
        return false;
    period.start = bounds.oldest;
    if (period.start > period.end)
        period.end = period.start;
    return true;
}
