#include "app/archive_file_commands.h"

#include "app/data_file_filters.h"
#include "app/file_save_choice.h"
#include "archives/archive_file_name.h"
#include "reports/archive_workbook.h"
#include "settings/work_directory.h"

#include <QFileInfo>

namespace {

const QLatin1String WorkbookExtension(".xlsx");

// The save dialog of an archive's data, in the archive's folder, offering
// `filter` and then all files.
FileChoice archiveSaveChoice(ArchiveKind kind, const WorkDirectory& directory, const QString& filter,
                             const QString& proposedName)
{
    return {FileChoice::Mode::Save,
            QStringLiteral("Введите имя файла для сохранения данных"),
            (directory.*archiveKindInfo(kind).folder)(),
            filter + QStringLiteral(";;Все файлы (*)"),
            proposedName,
            {}};
}

} // namespace

void saveArchive(Operator& person, const WorkDirectory& directory, const ArchiveFile& file, const QDate& pcDate)
{
    const ArchiveKind kind = file.records.kind();
    const FileChoice choice =
        archiveSaveChoice(kind, directory, archiveFileFilter(kind),
                          QFileInfo(proposedArchiveFileName(kind, file.header, pcDate, directory)).fileName());
    const std::optional<QString> path =
        chooseFileToSave(person, choice, [kind](const QString& name) { return withArchiveExtension(kind, name); });
    if (path && savedOrTold(person, writeArchiveFile(*path, file)))
        person.message(MessageKind::Information,
                       QStringLiteral("Данные сохранены в файле %1.").arg(QFileInfo(*path).fileName()));
}

void exportArchiveWorkbook(Operator& person, const WorkDirectory& directory, const ArchiveFile& file,
                           const ArchiveTable& table, const QDate& pcDate)
{
    const ArchiveKind kind = file.records.kind();
    const QFileInfo archiveName(proposedArchiveFileName(kind, file.header, pcDate, directory));
    const FileChoice choice = archiveSaveChoice(kind, directory, QStringLiteral("Книга Excel (*.xlsx)"),
                                                archiveName.completeBaseName() + WorkbookExtension);
    const std::optional<QString> path =
        chooseFileToSave(person, choice, [](const QString& name) { return withExtension(name, WorkbookExtension); });
    if (!path)
        return;

    const BusyCursor busy(person);
    person.beginProgress(WaitMode::MakingSpreadsheet, table.rowCount() + WorkbookHeaderRows);
    const SaveResult saved = saveArchiveWorkbook(table, *path, [&person](int rowsWritten) {
        person.setProgress(rowsWritten);
        person.pump();
    });
    person.endProgress();
    if (saved.failed())
        person.message(MessageKind::Error, QStringLiteral("Ошибка работы с файлом!"));
    else
        person.message(MessageKind::Information,
                       QStringLiteral("Данные сохранены в файле %1").arg(QFileInfo(*path).fileName()));
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
