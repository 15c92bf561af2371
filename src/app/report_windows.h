#pragma once

#include "app/print_windows.h"
#include "tables/archive_period.h"

#include <QDate>
#include <QStringList>
#include <optional>

// What the print loop of a report and the daily report commands ask of the
// windows around them besides the preview.
class ReportWindows : public PrintWindows {
public:
    enum class Choice { Exit, Preview, Print };

    // The dialog "Данные в отчете" under the document's lines.
    virtual Choice chooseOutput(const QStringList& lines) = 0;
    // Prints the document at once on the default printer; false when it could not be painted.
    virtual bool printNow(const ReportDocument& document) = 0;
    // The printer dialog, then the document on the printer chosen; false when
    // it could not be painted (a cancelled dialog prints nothing and is no failure).
    virtual bool printOnChosenPrinter(const ReportDocument& document) = 0;
    // "Чтение данных для создания отчета": the gas day of a report, picked
    // within the day archive's bounds with `preset` offered first; none when
    // the operator cancelled.
    virtual std::optional<QDate> chooseReportDay(const ArchiveBounds& bounds, const QDate& preset) = 0;
};
