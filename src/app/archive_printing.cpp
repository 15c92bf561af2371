#include "app/archive_printing.h"

#include "app/file_save_choice.h"
#include "archives/archive_file_name.h"
#include "reports/archive_printout.h"
#include "reports/organisation_title.h"
#include "settings/work_directory.h"

#include <QFileInfo>

namespace {

const QString PrintFailed = QStringLiteral("Ошибка печати данных");

} // namespace

void printArchive(Operator& person, const WorkDirectory& directory, PrintWindows& windows, const ArchiveFile& file,
                  const ArchiveTable& table, const ReportSettings& settings)
{
    const QString titleFile = OrganisationTitle::filePath(directory);
    const QString previous = OrganisationTitle::read(titleFile);
    const ArchiveFileHeader& header = file.header;
    const std::optional<QString> entered = windows.choosePrinting(
        documentTitle(printKindOf(file.records.kind()), header.periodStart(), header.periodEnd()), previous);
    if (!entered)
        return;
    // A name that could not be kept is told, and printed all the same.
    (void)savedOrTold(person, OrganisationTitle::store(titleFile, *entered, previous));
    if (!windows.showPrintout(archivePrintout(file, table, settings, OrganisationTitle::bounded(*entered))))
        person.message(MessageKind::Error, PrintFailed);
}

void savePrintoutPdf(Operator& person, const WorkDirectory& directory, const ArchiveFile& file, const QByteArray& pdf,
                     const QDate& pcDate)
{
    if (pdf.isEmpty()) {
        person.message(MessageKind::Error, PrintFailed);
        return;
    }
    const ArchiveKind kind = file.records.kind();
    const QString suffix = QStringLiteral("pdf");
    const FileChoice choice{
        FileChoice::Mode::Save,
        QStringLiteral("Введите имя файла для сохранения данных"),
        (directory.*archiveKindInfo(kind).folder)(),
        QStringLiteral("Документ PDF (*.pdf);;Все файлы (*)"),
        QFileInfo(proposedArchiveFileName(kind, file.header, pcDate, directory)).completeBaseName() + '.' + suffix,
        {}};
    const std::optional<QString> path = chooseFileToSave(person, choice, [&](const QString& name) {
        return QFileInfo(name).suffix().isEmpty() ? name + '.' + suffix : name;
    });
    if (path && savedOrTold(person, replaceFile(*path, {pdf})))
        person.message(MessageKind::Information,
                       QStringLiteral("Данные сохранены в файле %1.").arg(QFileInfo(*path).fileName()));
}
