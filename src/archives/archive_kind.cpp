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
    {ArchiveKind::ChromFiveMinute,
     "NChrom_Read5min",
     14,
     {Moments, 0, Chrom},
     5,
     RecordLayout::ChromMoment,
     ChromMomentRecord::Size,
     2,
     "MOM",
     ArchiveDevice::Chromatograph,
     &WorkDirectory::fiveMinuteData,
     ".mch",
     "мгновенные данные хроматографа из архива 5-минутных данных"},
    {ArchiveKind::ChromHourly,
     "NChrom_ReadHour",
     15,
     {Means, 0, Chrom},
     4,
     RecordLayout::ChromInterval,
     ChromIntervalRecord::Size,
     2,
     "HOU",
     ArchiveDevice::Chromatograph,
     &WorkDirectory::hourData,
     ".hch",
     "часовые данные хроматографа из архива контроллера ККГ_04"},
    {ArchiveKind::ChromDaily,
     "NChrom_ReadDay",
     16,
     {Means, 0, Chrom},
     3,
     RecordLayout::ChromInterval,
     ChromIntervalRecord::Size,
     2,
     "DAY",
     ArchiveDevice::Chromatograph,
     &WorkDirectory::dayData,
     ".dch",
     "суточные данные хроматографа из архива контроллера ККГ_04"},
    {ArchiveKind::WmtFiveMinute,
     "NWmt_Read5min",
     14,
     {Moments, 0, Wmt},
     5,
     RecordLayout::WmtMoment,
     WmtMomentRecord::Size,
     8,
     "MOM",
     ArchiveDevice::MoistureMeter,
     &WorkDirectory::fiveMinuteData,
     ".mwm",
     "мгновенные данные влагомера из архива 5-минутных данных"},
    {ArchiveKind::WmtHourly,
     "NWmt_ReadHour",
     15,
     {Means, 0, Wmt},
     4,
     RecordLayout::WmtInterval,
     WmtIntervalRecord::Size,
     8,
     "HOU",
     ArchiveDevice::MoistureMeter,
     &WorkDirectory::hourData,
     ".hwm",
     "часовые данные влагомера из архива контроллера ККГ_04"},
    {ArchiveKind::WmtDaily,
     "NWmt_ReadDay",
     16,
     {Means, 0, Wmt},
     3,
     RecordLayout::WmtInterval,
     WmtIntervalRecord::Size,
     8,
     "DAY",
     ArchiveDevice::MoistureMeter,
     &WorkDirectory::dayData,
     ".dwm",
     "суточные данные влагомера из архива контроллера ККГ_04"},
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
