#include "app/archive_file_commands.h"

#include "app/data_file_filters.h"
#include "app/file_save_choice.h"
#include "archives/archive_file_name.h"
#include "settings/work_directory.h"

#include <QFileInfo>

void saveArchive(Operator& person, const WorkDirectory& directory, const ArchiveFile& file, const QDate& pcDate)
{
    const ArchiveKind kind = file.records.kind();
    const FileChoice choice{FileChoice::Mode::Save,
                            QStringLiteral("Введите имя файла для сохранения данных"),
                            (directory.*archiveKindInfo(kind).folder)(),
                            archiveFileFilter(kind) + QStringLiteral(";;Все файлы (*)"),
                            QFileInfo(proposedArchiveFileName(kind, file.header, pcDate, directory)).fileName(),
                            {}};
    const std::optional<QString> path =
        chooseFileToSave(person, choice, [kind](const QString& name) { return withArchiveExtension(kind, name); });
    if (path && savedOrTold(person, writeArchiveFile(*path, file)))
        person.message(MessageKind::Information,
                       QStringLiteral("Данные сохранены в файле %1.").arg(QFileInfo(*path).fileName()));
}

void viewArchiveFile(Operator& person, const WorkDirectory& directory, ArchiveKind kind, ArchiveWindows& windows)
{
    const std::optional<QString> path = person.chooseFile({FileChoice::Mode::Open,
                                                           QStringLiteral("Выберите файл с данными"),
                                                           (directory.*archiveKindInfo(kind).folder)(),
                                                           dataFileFilters(),
                                                           {},
                                                           archiveFileFilter(kind)});
    if (!path)
        return;
    const auto read = readArchiveFile(kind, *path);
    if (const auto* problem = std::get_if<InputProblem>(&read)) {
        tellReadProblem(person, *problem);
        return;
    }
    windows.showArchive(std::get<ArchiveFile>(read));
}
