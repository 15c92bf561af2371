#include "archives/archive_captions.h"

namespace {

QString day(const DateStamp& stamp)
{
    return QString::asprintf("%02d.%02d.%02d", stamp.day, stamp.month, stamp.year);
}

QString minute(const DateStamp& stamp)
{
    return day(stamp) + QString::asprintf(" %02d:%02d:00", stamp.hour, stamp.minute);
}

QString hour(const DateStamp& stamp)
{
    return day(stamp) + QString::asprintf("  %02dч", stamp.hour);
}

} // namespace

QString archiveWindowCaption(ArchiveKind kind, const ArchiveFileHeader& header)
{
    const ArchiveKindInfo& info = archiveKindInfo(kind);
    const QString device =
        info.device == ArchiveDevice::Chromatograph ? QStringLiteral("хроматографа") : QStringLiteral("влагомера");
    const DateStamp start = header.periodStart();
    const DateStamp end = header.periodEnd();
    switch (kind) {
    case ArchiveKind::ChromFiveMinute:
    case ArchiveKind::WmtFiveMinute:
        return QStringLiteral("Мгновенные данные %1 за период  с  %2  по  %3").arg(device, minute(start), minute(end));
    case ArchiveKind::ChromHourly:
    case ArchiveKind::WmtHourly:
        return QStringLiteral("Часовые данные %1 за период с %2  по  %3").arg(device, hour(start), hour(end));
    case ArchiveKind::ChromDaily:
    case ArchiveKind::WmtDaily:
        break;
    }
    return QStringLiteral("Суточные данные %1 за период с %2  по  %3").arg(device, day(start), day(end));
}

QString calculationMethodLabel(const ReportSettings& settings)
{
    constexpr std::uint8_t Recomputed = 1;
    const QString correction = settings.correction() != 0 ? QStringLiteral("корректировка по методу абс. калибровки")
                                                          : QStringLiteral("без корректировки доли компонентов");
    return (settings.calculationMethod() == Recomputed ? QStringLiteral("  Расчет по ГОСТ, %1")
                                                       : QStringLiteral("  Расчет по ДСТУ ИСО, %1"))
        .arg(correction);
}
