#include "archives/archive_kind.h"

#include "archives/chrom_interval_record.h"
#include "archives/chrom_moment_record.h"
#include "archives/wmt_interval_record.h"
#include "archives/wmt_moment_record.h"
#include "settings/work_directory.h"

namespace {

// The first request byte: 1 asks for moments, 3 for means; the third names the device.
constexpr std::uint8_t Moments = 1;
constexpr std::uint8_t Means = 3;
constexpr std::uint8_t Chrom = 0;
constexpr std::uint8_t Wmt = 1;

const std::array<ArchiveKindInfo, 6> kindTable{{
    {.kind = ArchiveKind::ChromFiveMinute,
     .menuItem = "NChrom_Read5min",
     .functionCode = 14,
     .requestHead = {Moments, 0, Chrom},
     .stampLength = 5,
     .periodMode = PeriodMode::FiveMinute,
     .layout = RecordLayout::ChromMoment,
     .recordSize = ChromMomentRecord::Size,
     .fullAnswerRecords = 2,
     .signature = "MOM",
     .device = ArchiveDevice::Chromatograph,
     .folder = &WorkDirectory::fiveMinuteData,
     .extension = ".mch",
     .notThisArchive = "мгновенные данные хроматографа из архива 5-минутных данных",
     .readingLine = "Мгновенные данные хроматографа из архива"},
    {.kind = ArchiveKind::ChromHourly,
     .menuItem = "NChrom_ReadHour",
     .functionCode = 15,
     .requestHead = {Means, 0, Chrom},
     .stampLength = 4,
     .periodMode = PeriodMode::Hourly,
     .layout = RecordLayout::ChromInterval,
     .recordSize = ChromIntervalRecord::Size,
     .fullAnswerRecords = 2,
     .signature = "HOU",
     .device = ArchiveDevice::Chromatograph,
     .folder = &WorkDirectory::hourData,
     .extension = ".hch",
     .notThisArchive = "часовые данные хроматографа из архива контроллера ККГ_04",
     .readingLine = "Часовые данные хроматографа из архива"},
    {.kind = ArchiveKind::ChromDaily,
     .menuItem = "NChrom_ReadDay",
     .functionCode = 16,
     .requestHead = {Means, 0, Chrom},
     .stampLength = 3,
     .periodMode = PeriodMode::Daily,
     .layout = RecordLayout::ChromInterval,
     .recordSize = ChromIntervalRecord::Size,
     .fullAnswerRecords = 2,
     .signature = "DAY",
     .device = ArchiveDevice::Chromatograph,
     .folder = &WorkDirectory::dayData,
     .extension = ".dch",
     .notThisArchive = "суточные данные хроматографа из архива контроллера ККГ_04",
     .readingLine = "Суточные данные хроматографа из архива"},
    {.kind = ArchiveKind::WmtFiveMinute,
     .menuItem = "NWmt_Read5min",
     .functionCode = 14,
     .requestHead = {Moments, 0, Wmt},
     .stampLength = 5,
     .periodMode = PeriodMode::FiveMinute,
     .layout = RecordLayout::WmtMoment,
     .recordSize = WmtMomentRecord::Size,
     .fullAnswerRecords = 8,
     .signature = "MOM",
     .device = ArchiveDevice::MoistureMeter,
     .folder = &WorkDirectory::fiveMinuteData,
     .extension = ".mwm",
     .notThisArchive = "мгновенные данные влагомера из архива 5-минутных данных",
     .readingLine = "Мгновенные данные из архива"},
    {.kind = ArchiveKind::WmtHourly,
     .menuItem = "NWmt_ReadHour",
     .functionCode = 15,
     .requestHead = {Means, 0, Wmt},
     .stampLength = 4,
     .periodMode = PeriodMode::Hourly,
     .layout = RecordLayout::WmtInterval,
     .recordSize = WmtIntervalRecord::Size,
     .fullAnswerRecords = 8,
     .signature = "HOU",
     .device = ArchiveDevice::MoistureMeter,
     .folder = &WorkDirectory::hourData,
     .extension = ".hwm",
     .notThisArchive = "часовые данные влагомера из архива контроллера ККГ_04",
     .readingLine = "Часовые данные влагомера из архива"},
    {.kind = ArchiveKind::WmtDaily,
     .menuItem = "NWmt_ReadDay",
     .functionCode = 16,
     .requestHead = {Means, 0, Wmt},
     .stampLength = 3,
     .periodMode = PeriodMode::Daily,
     .layout = RecordLayout::WmtInterval,
     .recordSize = WmtIntervalRecord::Size,
     .fullAnswerRecords = 8,
     .signature = "DAY",
     .device = ArchiveDevice::MoistureMeter,
     .folder = &WorkDirectory::dayData,
     .extension = ".dwm",
     .notThisArchive = "суточные данные влагомера из архива контроллера ККГ_04",
     .readingLine = "Суточные данные влагомера из архива"},
}};

} // namespace

const ArchiveKindInfo& archiveKindInfo(ArchiveKind kind)
{
    return kindTable[static_cast<std::size_t>(kind)];
}

QList<ArchiveKind> archiveKinds()
{
    QList<ArchiveKind> kinds;
    for (const ArchiveKindInfo& info : kindTable)
        kinds.append(info.kind);
    return kinds;
}
