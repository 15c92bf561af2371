#include "app/data_file_filters.h"

#include <QStringList>
#include <array>

namespace {

// Each entry ends with its pattern; the reports' entry has always read so.
const std::array<const char*, 11> Entries{{
    "Файлы конфигурации (*.cnf)",
    "DataFiles(*.srt)",
    "Диагностические сообщения (*.ala)",
    "Вмешательства оператора (*.aud)",
    "Мгновенные данные хроматографа (*.mch)",
    "Мгновенные данные влагомера (*.mwm)",
    "Часовые данные хроматографа (*.hch)",
    "Часовые данные влагомера (*.hwm)",
    "Суточные данные хроматографа (*.dch)",
    "Суточные данные влагомера (*.dwm)",
    "Файлы .clb (*.clb)",
}};

// The entry of files with `extension`.
QString entryOf(const QString& extension)
{
    const QString pattern = QStringLiteral("(*%1)").arg(extension);
    for (const char* entry : Entries)
        if (const QString text = QString::fromUtf8(entry); text.endsWith(pattern))
            return text;
    return {};
}

} // namespace

QString dataFileFilters()
{
    QStringList filters;
    for (const char* entry : Entries)
        filters << QString::fromUtf8(entry);
    filters << QStringLiteral("Все файлы (*)");
    return filters.join(QStringLiteral(";;"));
}

QString archiveFileFilter(ArchiveKind kind)
{
    return entryOf(QLatin1String(archiveKindInfo(kind).extension));
}

QString logFileFilter(LogKind kind)
{
    return entryOf(QLatin1String(logKindInfo(kind).extension));
}

QString reportFileFilter()
{
    return entryOf(QStringLiteral(".srt"));
}
