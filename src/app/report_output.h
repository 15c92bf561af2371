#pragma once

#include "app/report_windows.h"
#include "base/operator.h"

// Where "Печать" of the dialog "Данные в отчете" sends the document.
enum class PrintRoute { DefaultPrinter, ChosenPrinter };

// The print loop of a one-page report: "Данные в отчете" on `lines` offers the
// document for preview or printing again and again until the operator chooses
// "Выход". A document that could not be painted says "Ошибка печати данных".
void offerReportOutput(Operator& person, ReportWindows& windows, const QStringList& lines,
                       const ReportDocument& document, PrintRoute route);
