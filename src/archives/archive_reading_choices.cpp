#include "archives/archive_reading_choices.h"

#include <QFile>
#include <QtEndian>
#include <bit>
#include <cmath>

namespace {
constexpr int firstChoiceOffset = 0;
constexpr int secondChoiceOffset = 4;
constexpr int periodStartOffset = 8;
constexpr int periodEndOffset = 16;

const QDate windowsEpoch(1899, 12, 30);
constexpr double maxDays = 2958465.0; // 31 December 9999
constexpr qint64 dayMilliseconds = 86'400'000;
constexpr double millisecondsPerDay = dayMilliseconds;
} // namespace

ArchiveReadingChoices ArchiveReadingChoices::defaults(const QDateTime& now)
{
    ArchiveReadingChoices choices;
    choices.setInt32At(firstChoiceOffset, 0);
    choices.setInt32At(secondChoiceOffset, 1);
    choices.setPeriod(now, now);
    return choices;
}

ArchiveReadingChoices ArchiveReadingChoices::load(const QString& path, const QDateTime& now)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return defaults(now);
    const QByteArray bytes = file.read(size);
    if (bytes.size() != size)
        return defaults(now);
    ArchiveReadingChoices choices;
    choices.bytes_ = bytes;
    return choices;
}

SaveResult ArchiveReadingChoices::save(const QString& path) const
{
    return replaceFile(path, {bytes_});
}

std::int32_t ArchiveReadingChoices::firstChoice() const
{
    return int32At(firstChoiceOffset);
}
std::int32_t ArchiveReadingChoices::secondChoice() const
{
    return int32At(secondChoiceOffset);
}
QDateTime ArchiveReadingChoices::periodStart() const
{
    return dateTimeAt(periodStartOffset);
}
QDateTime ArchiveReadingChoices::periodEnd() const
{
    return dateTimeAt(periodEndOffset);
}

void ArchiveReadingChoices::setPeriod(const QDateTime& start, const QDateTime& end)
{
    setDateTimeAt(periodStartOffset, start);
    setDateTimeAt(periodEndOffset, end);
}

std::int32_t ArchiveReadingChoices::int32At(int offset) const
{
    return qFromLittleEndian<std::int32_t>(bytes_.constData() + offset);
}

void ArchiveReadingChoices::setInt32At(int offset, std::int32_t value)
{
    qToLittleEndian(value, bytes_.data() + offset);
}

QDateTime ArchiveReadingChoices::dateTimeAt(int offset) const
{
    const double days = std::bit_cast<double>(qFromLittleEndian<quint64>(bytes_.constData() + offset));
    if (!std::isfinite(days) || days < 0 || days > maxDays)
        return {};
    // Rounded to the millisecond as a whole, so that a time less than half a
    // millisecond before midnight is the next day's midnight, not this day's.
    const qint64 milliseconds = std::llround(days * millisecondsPerDay);
    return {windowsEpoch.addDays(milliseconds / dayMilliseconds),
            QTime(0, 0).addMSecs(static_cast<int>(milliseconds % dayMilliseconds))};
}

// Counted on the calendar, not on a clock, so a summer-time switch does not shift the stored day.
void ArchiveReadingChoices::setDateTimeAt(int offset, const QDateTime& moment)
{
    const double days = static_cast<double>(windowsEpoch.daysTo(moment.date())) +
                        moment.time().msecsSinceStartOfDay() / millisecondsPerDay;
    qToLittleEndian(std::bit_cast<quint64>(days), bytes_.data() + offset);
}
