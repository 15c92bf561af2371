#pragma once

#include "app/spreadsheet_report_windows.h"
#include "archives/archive_kind.h"
#include "exchange/request_context.h"

#include <QString>

class WorkDirectory;
struct ArchiveBoundsQuery;

// "Паспорт ККГ показателей за сутки" and "... за месяц": the object and the
// day or month chosen, the chromatograph's and the moisture meter's records
// read and checked against each other, the workbook made from its template in
// the REPORT folder.
class SpreadsheetReportCommands {
public:
    // Templates are looked for in the working directory, then beside the program.
    SpreadsheetReportCommands(RequestContext context, SpreadsheetReportWindows& windows,
                              const WorkDirectory& directory, QString programDirectory);

    // True when the workbook was saved.
    bool make(SpreadsheetReportKind kind);

private:
    std::optional<SpreadsheetReport> readDay(const ArchiveBoundsQuery& query, const DateStamp& day);
    std::optional<SpreadsheetReport> readMonth(const ArchiveBoundsQuery& query, const DateStamp& month);
    // The day's own record of the instrument; none after the message saying why.
    std::optional<QByteArray> readDayRecord(ArchiveKind dailyKind, const DateStamp& day);
    // The two instruments' lines of the period, as many of each and with the same stamps.
    bool readLines(ArchiveKind chromKind, ArchiveKind wmtKind, const Period& period, int mostLines,
                   SpreadsheetReport& report);
    bool write(const SpreadsheetReport& report, const QString& fileName, const QString& templatePath);

    RequestContext context_;
    SpreadsheetReportWindows& windows_;
    const WorkDirectory& directory_;
    QString programDirectory_;
};
