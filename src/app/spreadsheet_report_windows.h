#pragma once

#include "reports/spreadsheet_report.h"
#include "tables/archive_period.h"

#include <QString>
#include <optional>

// The object and the day (or month) a spreadsheet report is made for.
struct SpreadsheetReportChoice {
    QString objectName; // as the operator keeps it in the object list
    DateStamp day;      // year − 2000, month, day (the first of the month for a month report)
};

// What the spreadsheet report commands ask of the windows around them.
class SpreadsheetReportWindows {
public:
    virtual ~SpreadsheetReportWindows() = default;

    // " Параметры отчета за сутки" or " ... за месяц" on the day archive's
    // bounds, with the object list; none when the operator cancelled.
    virtual std::optional<SpreadsheetReportChoice> chooseSpreadsheetReport(SpreadsheetReportKind kind,
                                                                           const ArchiveBounds& dayArchive) = 0;
    // Panel 2 holds a transient text: the message timer clears it a while later.
    virtual void startMessageTimer() = 0;
};
