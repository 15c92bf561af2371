#pragma once

#include "app/pc_clock.h"
#include "app/report_windows.h"
#include "exchange/request_context.h"
#include "gas/component_slot_map.h"
#include "gas/report_settings.h"
#include "reports/report_data_file.h"

#include <QDate>
#include <functional>
#include <optional>

class WorkDirectory;

// The day's record read from the controller's day archive and made into a
// report: the texts of report.ini, the controller's name (table 5 as the image
// holds it), its address and `contractHour` (from the bounds query). None when
// no sound record came, which the operator has been told.
std::optional<ReportDataFile> readDayReportData(RequestContext context, const WorkDirectory& directory,
                                                std::uint8_t contractHour, const QDate& day);

// The print loop of a daily report: "Данные в отчете" with the certificate's
// or, by the report kind of `settings`, the passport's lines, the document in
// the preview or on the printer the operator chooses, until "Выход".
void printDayReport(Operator& person, ReportWindows& windows, const ReportDataFile& file,
                    const ReportSettings& settings, const ComponentSlotMap& slotMap);

// The commands of "Отчеты" that make and print daily reports.
class DayReportCommands {
public:
    struct Surroundings {
        ReportWindows& windows;
        const WorkDirectory& directory;
        const ReportSettings& settings;
        const ComponentSlotMap& slotMap;
        PcClock pcClock;
        std::function<void()> startMessageTimer; // panel 2 holds a transient text
    };

    DayReportCommands(Operator& person, Surroundings surroundings);

    // "Чтение данных для создания отчета": the day archive's bounds read, a day
    // picked within them, its record read into a report, saved as
    // REPORT/repYYMMDD.srt and offered for printing, even when it could not
    // be saved.
    void create(RequestContext context);
    // "Просмотр/Печать суточного сертификата" (or "паспорта"): a report file
    // chosen in REPORT offered for printing; a file that is not a report is refused.
    void printFile();

private:
    Operator& person_;
    Surroundings around_;
};
