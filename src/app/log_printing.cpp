#include "app/log_printing.h"

#include "app/file_save_choice.h"
#include "app/log_commands.h"
#include "app/pdf_saving.h"
#include "reports/log_printout.h"
#include "reports/organisation_title.h"
#include "reports/print_kind.h"
#include "settings/work_directory.h"

#include <QFileInfo>

void printLog(Operator& person, const WorkDirectory& directory, PrintWindows& windows, const LogTable& table)
{
    const QString titleFile = OrganisationTitle::filePath(directory);
    const QString previous = OrganisationTitle::read(titleFile);
    const PrintKind kind = table.kind == LogKind::Interventions ? PrintKind::InterventionLog : PrintKind::DiagnosticLog;
    const std::optional<QString> entered =
        windows.choosePrinting(documentTitle(kind, table.header.periodStart(6), table.header.periodEnd(6)), previous);
    if (!entered)
        return;
    // A name that could not be kept is told, and printed all the same.
    (void)savedOrTold(person, OrganisationTitle::store(titleFile, *entered, previous));
    if (!windows.showPrintout(logPrintout(table, OrganisationTitle::bounded(*entered))))
        person.message(MessageKind::Error, QStringLiteral("Ошибка печати данных"));
}

void saveLogPrintoutPdf(Operator& person, const WorkDirectory& directory, const LogTable& table, const QByteArray& pdf,
                        const QDate& pcDate)
{
    const LogKindInfo& info = logKindInfo(table.kind);
    savePdfAs(person, (directory.*info.folder)(),
              QFileInfo(proposedLogFileName(table, pcDate)).completeBaseName() + QStringLiteral(".pdf"), pdf);
}
