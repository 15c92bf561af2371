#pragma once

#include "app/print_windows.h"
#include "base/operator.h"
#include "logs/log_table.h"

#include <QByteArray>
#include <QDate>

class WorkDirectory;

// "Печать" of a log viewer: the print-choice dialog with the organisation of
// "title.ini" (rewritten when the operator changed it), then the printout of
// the viewer's rows in the preview; "Ошибка печати данных" when it could not be painted.
void printLog(Operator& person, const WorkDirectory& directory, PrintWindows& windows, const LogTable& table);

// Saves `pdf`, a printout of `table`, under a name the operator chooses in the
// log's folder, proposed as the log file's own with ".pdf".
void saveLogPrintoutPdf(Operator& person, const WorkDirectory& directory, const LogTable& table, const QByteArray& pdf,
                        const QDate& pcDate);
