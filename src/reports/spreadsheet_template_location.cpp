#include "reports/spreadsheet_template_location.h"

#include "reports/spreadsheet_report_writer.h"
#include "settings/work_directory.h"

#include <QDir>
#include <QFileInfo>

std::optional<QString> findSpreadsheetTemplate(SpreadsheetReportKind kind, const QString& workDirectory,
                                               const QString& programDirectory)
{
    const QString name = spreadsheetTemplateName(kind);
    const QString places[] = {workDirectory, programDirectory, WorkDirectory::installedDataDirectory(programDirectory)};
    for (const QString& place : places) {
        const QFileInfo candidate(QDir(place).filePath(name));
        if (candidate.isFile())
            return QDir::cleanPath(candidate.filePath());
    }
    return std::nullopt;
}
