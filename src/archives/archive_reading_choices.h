#pragma once

#include "base/safe_save.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>

// The archive-reading choices kept between runs in "rd_arh.ini": a 74-byte
// record read and written whole. Dates are stored as Windows date-times
// (a double: days since 30 December 1899, the fraction being the time of day).
class ArchiveReadingChoices {
public:
    static constexpr int size = 74;

    // The record a missing or unreadable file stands for.
    static ArchiveReadingChoices defaults(const QDateTime& now);
    // Defaults unless the file holds a whole record.
    static ArchiveReadingChoices load(const QString& path, const QDateTime& now);
    // Replaces the file whole; on failure the old file stays.
    SaveResult save(const QString& path) const;

    std::int32_t firstChoice() const;
    std::int32_t secondChoice() const;
    QDateTime periodStart() const;
    QDateTime periodEnd() const;
    void setPeriod(const QDateTime& start, const QDateTime& end);

    const QByteArray& bytes() const { return bytes_; }

private:
    ArchiveReadingChoices() : bytes_(size, '\0') {}

    std::int32_t int32At(int offset) const;
    void setInt32At(int offset, std::int32_t value);
    QDateTime dateTimeAt(int offset) const;
    void setDateTimeAt(int offset, const QDateTime& moment);

    QByteArray bytes_;
};
