#include "app/data_file_filters.h"

#include <QStringList>
#include <array>

namespace {

struct FilterEntry {
    const char* extension;
    const char* name;
};

const std::array<FilterEntry, 11> Entries{{
    {".cnf", "Файлы конфигурации"},
    {".srt", "Данные отчетов"},
    {".ala", "Диагностические сообщения"},
    {".aud", "Вмешательства оператора"},
    {".mch", "Мгновенные данные хроматографа"},
    {".mwm", "Мгновенные данные влагомера"},
    {".hch", "Часовые данные хроматографа"},
    {".hwm", "Часовые данные влагомера"},
    {".dch", "Суточные данные хроматографа"},
    {".dwm", "Суточные данные влагомера"},
    {".clb", "Файлы .clb"},
}};

QString filterText(const FilterEntry& entry)
{
    return QStringLiteral("%1 (*%2)").arg(QString::fromUtf8(entry.name), QLatin1String(entry.extension));
}

} // namespace

QString dataFileFilters()
{
    QStringList filters;
    for (const FilterEntry& entry : Entries)
        filters << filterText(entry);
    filters << QStringLiteral("Все файлы (*)");
    return filters.join(QStringLiteral(";;"));
}

QString archiveFileFilter(ArchiveKind kind)
{
    const QLatin1String extension(archiveKindInfo(kind).extension);
    for (const FilterEntry& entry : Entries)
        if (extension == QLatin1String(entry.extension))
            return filterText(entry);
    return {};
}
