// "rd_arh.ini" as it may be found: any length, any bytes where the two period
// dates lie. Input: the file. A whole record is taken as it is, anything
// shorter gives the defaults; a date read is the stored one to the millisecond
// or none at all; the record saved and loaded again is the same record.
#include "archives/archive_reading_choices.h"
#include "support/fuzz_check.h"
#include "support/fuzz_file.h"

#include <QtEndian>
#include <bit>
#include <cmath>

namespace {

const QDateTime now(QDate(2024, 2, 29), QTime(23, 59, 59, 999));

// Where the record keeps the period: a Windows date-time (days since
// 30 December 1899 as a double) for its start and one for its end.
constexpr int PeriodStartOffset = 8;
constexpr int PeriodEndOffset = 16;
constexpr double MillisecondInDays = 1.0 / 86'400'000;

double storedDays(const QByteArray& record, int offset)
{
    return std::bit_cast<double>(qFromLittleEndian<quint64>(record.constData() + offset));
}

// `read` is the date the record gives for the stored days at `offset`.
void checkDate(const ArchiveReadingChoices& choices, const QDateTime& read, int offset)
{
    if (!read.isValid())
        return;
    fuzzCheck(read.date() >= QDate(1899, 12, 30) && read.date() <= QDate(9999, 12, 31),
              "a date read lies between 1899 and 9999");
    // The record's own encoding of the date read, against what is stored.
    ArchiveReadingChoices rewritten = choices;
    rewritten.setPeriod(read, read);
    const double days = storedDays(choices.bytes(), offset);
    const double again = storedDays(rewritten.bytes(), PeriodStartOffset);
    fuzzCheck(std::fabs(days - again) <= MillisecondInDays, "a date read is the stored one to the millisecond");
    fuzzCheck(rewritten.periodStart() == read, "a date written reads back as it was");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), size);
    const QString path = writeScratchFile(QStringLiteral("rd_arh.ini"), bytes);
    const ArchiveReadingChoices choices = ArchiveReadingChoices::load(path, now);
    fuzzCheck(choices.bytes().size() == ArchiveReadingChoices::size, "the record is always whole");
    if (bytes.size() >= ArchiveReadingChoices::size)
        fuzzCheck(choices.bytes() == bytes.first(ArchiveReadingChoices::size), "a whole record is taken as it is");
    else
        fuzzCheck(choices.bytes() == ArchiveReadingChoices::defaults(now).bytes(), "a short file gives the defaults");

    checkDate(choices, choices.periodStart(), PeriodStartOffset);
    checkDate(choices, choices.periodEnd(), PeriodEndOffset);

    const QString saved = scratchPath(QStringLiteral("rd_arh_saved.ini"));
    fuzzCheck(!choices.save(saved).failed(), "the choices can be saved");
    fuzzCheck(ArchiveReadingChoices::load(saved, now).bytes() == choices.bytes(),
              "a saved record loads again as it was");
    return 0;
}
