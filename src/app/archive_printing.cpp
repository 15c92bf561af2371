#include "app/archive_printing.h"

#include "app/file_save_choice.h"
#include "app/pdf_saving.h"
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
    const ArchiveKind kind = file.records.kind();
    savePdfAs(person, (directory.*archiveKindInfo(kind).folder)(),
              QFileInfo(proposedArchiveFileName(kind, file.header, pcDate, directory)).completeBaseName() + ".pdf",
              pdf);
}
