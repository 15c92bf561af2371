#pragma once

#include "cli/cli_options.h"
#include "exchange/request_layer.h"

#include <QTextStream>

class WorkDirectory;

// report day: the controller identified and its basic data read as the program
// does, the day archive's bounds read and the day checked against them as
// "Чтение данных для создания отчета" checks it, the day's record read into
// the report data file (-o, else REPORT/repYYMMDD.srt) and, with --pdf, its
// daily certificate or passport by the report kind of "repconf.ini".
// Returns the exit status (0 written, 1 not, the reason on `errors`).
int reportDayCommand(const CliOptions& options, RequestLayer& layer, const WorkDirectory& directory, QTextStream& out,
                     QTextStream& errors);

// report print FILE --pdf OUT: the report data file printed as report day prints it.
int reportPrintCommand(const CliOptions& options, const WorkDirectory& directory, QTextStream& out,
                       QTextStream& errors);

// report xlsx-day and xlsx-month: the controller identified, the day or month
// checked against the day archive as the report dialog checks it, the records
// of both instruments read and the workbook made from its template in REPORT.
// Returns the exit status (0 saved, 1 not, the reason on `errors`).
int reportSpreadsheetCommand(const CliOptions& options, RequestLayer& layer, const WorkDirectory& directory,
                             QTextStream& errors);
