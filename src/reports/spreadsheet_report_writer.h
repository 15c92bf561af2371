#pragma once

#include "reports/spreadsheet_report.h"
#include "tables/date_stamp.h"

#include <QString>
#include <optional>

// How making a report workbook ended.
enum class WorkbookStatus {
    Saved,
    TemplateUnreadable, // the template is missing, damaged or no workbook of ours
    NotSaved,           // the new workbook could not be written; any old one stays
};

struct WorkbookResult {
    WorkbookStatus status = WorkbookStatus::Saved;
    QString reason; // for the console and diagnosis
};

// "day_report_title.xlsx" or "mon_report_title.xlsx": the template beside the program.
QString spreadsheetTemplateName(SpreadsheetReportKind kind);

// "<object>_day_yymmdd.xlsx" or "<object>_mon_yymm.xlsx"; none when the object's
// name cannot be part of a file name (a folder separator, "..", a control
// character), so that no report is ever written outside its folder.
std::optional<QString> spreadsheetReportFileName(SpreadsheetReportKind kind, const QString& objectName,
                                                 const DateStamp& day);

// Fills the active sheet of the template with the report (texts and
// single-precision numbers into the cells, each keeping its style) and saves
// the workbook as `outputPath`; a file already there is replaced only by a
// complete new one. The template is never changed.
WorkbookResult writeSpreadsheetReport(const QString& templatePath, const SpreadsheetReport& report,
                                      const QString& outputPath);
