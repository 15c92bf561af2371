#include "app/collection_state.h"

#include <QTime>

namespace {

const QString ArchivesSection = QStringLiteral("ARCHIVES");
const QString LogsSection = QStringLiteral("LOGS");
const QString ReportsSection = QStringLiteral("REPORTS");
const QString LastDayKey = QStringLiteral("LastDay");
const QString DayFormat = QStringLiteral("yyyy-MM-dd");
constexpr int CenturyBase = 2000;

QString keyOf(const char* extension)
{
    return QString::fromLatin1(extension).mid(1);
}

std::optional<DateStamp> stampFromText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() != 2)
        return std::nullopt;
    const QDate date = QDate::fromString(parts[0], DayFormat);
    const QTime time = QTime::fromString(parts[1], QStringLiteral("HH:mm"));
    if (!date.isValid() || !time.isValid() || date.year() < CenturyBase || date.year() > CenturyBase + 255)
        return std::nullopt;
    return DateStamp{date.year() - CenturyBase, date.month(), date.day(), time.hour(), time.minute(), 0};
}

std::optional<std::uint32_t> indexFromText(const QString& text)
{
    bool ok = false;
    const uint index = text.toUInt(&ok);
    return ok ? std::optional<std::uint32_t>(index) : std::nullopt;
}

} // namespace

std::variant<CollectionState, QString> CollectionState::load(const QString& path)
{
    CollectionState state;
    state.ini_ = IniFile::load(path);
    for (const ArchiveKind kind : archiveKinds()) {
        const QString key = keyOf(archiveKindInfo(kind).extension);
        if (state.ini_.value(ArchivesSection, key) && !state.lastRecord(kind))
            return QStringLiteral("%1: [%2] %3 is no stamp YYYY-MM-DD HH:MM").arg(path, ArchivesSection, key);
    }
    for (const LogKind kind : {LogKind::Interventions, LogKind::Diagnostics}) {
        const QString key = keyOf(logKindInfo(kind).extension);
        if (state.ini_.value(LogsSection, key) && !state.lastRecord(kind))
            return QStringLiteral("%1: [%2] %3 is no record index").arg(path, LogsSection, key);
    }
    if (state.ini_.value(ReportsSection, LastDayKey) && !state.lastReportDay())
        return QStringLiteral("%1: [%2] %3 is no day YYYY-MM-DD").arg(path, ReportsSection, LastDayKey);
    return state;
}

std::optional<DateStamp> CollectionState::lastRecord(ArchiveKind kind) const
{
    const auto text = ini_.value(ArchivesSection, keyOf(archiveKindInfo(kind).extension));
    return text ? stampFromText(*text) : std::nullopt;
}

std::optional<std::uint32_t> CollectionState::lastRecord(LogKind kind) const
{
    const auto text = ini_.value(LogsSection, keyOf(logKindInfo(kind).extension));
    return text ? indexFromText(*text) : std::nullopt;
}

std::optional<QDate> CollectionState::lastReportDay() const
{
    const auto text = ini_.value(ReportsSection, LastDayKey);
    const QDate day = text ? QDate::fromString(*text, DayFormat) : QDate();
    return day.isValid() ? std::optional<QDate>(day) : std::nullopt;
}

void CollectionState::setLastRecord(ArchiveKind kind, const DateStamp& stamp)
{
    ini_.writeString(ArchivesSection, keyOf(archiveKindInfo(kind).extension),
                     QString::asprintf("%04d-%02d-%02d %02d:%02d", CenturyBase + stamp.year, stamp.month, stamp.day,
                                       stamp.hour, stamp.minute));
}

void CollectionState::setLastRecord(LogKind kind, std::uint32_t index)
{
    ini_.writeString(LogsSection, keyOf(logKindInfo(kind).extension), QString::number(index));
}

void CollectionState::setLastReportDay(const QDate& day)
{
    ini_.writeString(ReportsSection, LastDayKey, day.toString(DayFormat));
}
