#include "reports/report_data_file.h"

#include "base/windows1251.h"
#include "settings/work_directory.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <bit>
#include <cmath>

namespace {

constexpr int DayStartHour = 500; // of the texts: the controller's contract hour here
constexpr int NameOffset = ReportTexts::Size;
constexpr int AddressOffset = NameOffset + ReportDataFile::NameSize;
constexpr int StartOffset = AddressOffset + 1;
constexpr int EndOffset = StartOffset + 5;
constexpr int ValuesOffset = EndOffset + 5;
static_assert(ValuesOffset + ReportDataFile::ValuesSize == ReportDataFile::Size);

// year − 2000, month, day, hour, minute: the five bytes of each end of the period.
void putPeriodEnd(QByteArray& bytes, int offset, const QDate& day, std::uint8_t hour)
{
    // The year's byte wraps as the controller's does: 2000 to 2255 are 0 to 255.
    bytes[offset] = static_cast<char>(static_cast<std::uint8_t>(day.year() - 2000));
    bytes[offset + 1] = static_cast<char>(day.month());
    bytes[offset + 2] = static_cast<char>(day.day());
    bytes[offset + 3] = static_cast<char>(hour);
    bytes[offset + 4] = 0;
}

// A day of the calendar; the hours are only printed, and a file this program
// made with a controller's odd contract hour stays readable.
bool isRealDay(const DateStamp& stamp)
{
    return QDate(2000 + stamp.year, stamp.month, stamp.day).isValid();
}

DateStamp periodEndAt(const QByteArray& bytes, int offset)
{
    const auto byte = [&](int k) { return static_cast<int>(static_cast<std::uint8_t>(bytes[offset + k])); };
    return {byte(0), byte(1), byte(2), byte(3), byte(4), 0};
}

} // namespace

ReportDataFile ReportDataFile::make(const Source& source)
{
    QByteArray bytes = source.texts.bytes();
    bytes[DayStartHour] = static_cast<char>(source.contractHour);
    bytes += source.name.first(std::min<qsizetype>(source.name.size(), NameSize)).toByteArray();
    bytes.resize(AddressOffset, '\0');
    bytes += static_cast<char>(source.address);
    bytes.resize(ValuesOffset, '\0');
    putPeriodEnd(bytes, StartOffset, source.day, source.contractHour);
    putPeriodEnd(bytes, EndOffset, source.day.addDays(1), source.contractHour);
    bytes += source.valueBytes.first(std::min<qsizetype>(source.valueBytes.size(), ValuesSize)).toByteArray();
    bytes.resize(Size, '\0');
    return ReportDataFile(bytes);
}

QString ReportDataFile::fileName(const QDate& day)
{
    return QString::asprintf("rep%02d%02d%02d.srt", day.year() - 2000, day.month(), day.day());
}

QString ReportDataFile::filePath(const WorkDirectory& directory, const QDate& day)
{
    return directory.reports() + '/' + fileName(day);
}

std::optional<ReportDataFile> ReportDataFile::fromBytes(const QByteArray& bytes)
{
    if (bytes.size() != Size || !isRealDay(periodEndAt(bytes, StartOffset)) ||
        !isRealDay(periodEndAt(bytes, EndOffset)))
        return std::nullopt;
    return ReportDataFile(bytes);
}

std::variant<ReportDataFile, InputProblem> ReportDataFile::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return InputProblem{QStringLiteral("Ошибка открытия файла"), {}};
    // One byte more than a report holds tells a longer file from a report.
    std::optional<ReportDataFile> report = fromBytes(file.read(Size + 1));
    if (!report)
        return InputProblem{QStringLiteral("Файл %1 не является").arg(QFileInfo(path).fileName()),
                            QStringLiteral("файлом отчета")};
    return *report;
}

DayReport ReportDataFile::report() const
{
    QByteArray name = bytes_.mid(NameOffset, NameSize);
    if (const qsizetype end = name.indexOf('\0'); end >= 0)
        name.truncate(end);
    GasParams values{};
    for (int k = 0; k < GasParamsSize; ++k)
        values[k] = std::bit_cast<float>(qFromLittleEndian<quint32>(bytes_.constData() + ValuesOffset + 4 * k));
    return {ReportTexts::fromBytes(bytes_.first(ReportTexts::Size)),
            fromWindows1251(name).trimmed(),
            static_cast<std::uint8_t>(bytes_[AddressOffset]),
            periodEndAt(bytes_, StartOffset),
            periodEndAt(bytes_, EndOffset),
            values};
}

SaveResult ReportDataFile::save(const QString& path) const
{
    return replaceFile(path, {bytes_});
}

std::optional<QString> dayRecordRefusal(const ChromIntervalRecord& record)
{
    if (record.status() & ChromIntervalRecord::SwitchedOff)
        return QStringLiteral("(контроллер был выключен в эти сутки)");
    if (!std::isfinite(record.gasParams()[GasSlot::Methane]))
        return QStringLiteral("(недопустимое значение доли метана)");
    return std::nullopt;
}
