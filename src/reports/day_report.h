#pragma once

#include "gas/component_slot_map.h"
#include "gas/gas_params.h"
#include "gas/report_settings.h"
#include "reports/report_document.h"
#include "reports/report_texts.h"
#include "tables/date_stamp.h"

#include <QString>
#include <QStringList>

// One gas day as its certificate or passport prints it: the station's texts as
// they stood when the report was made, the controller, the day's period from
// the contract hour to the contract hour of the next day, and the day's values
// as the controller computed them.
struct DayReport {
    ReportTexts texts;
    QString controllerName; // without leading and trailing blanks
    int address = 0;
    DateStamp start; // year − 2000 .. minute
    DateStamp end;
    GasParams values{};
};

// The lines of the dialog "Данные в отчете" for the report: the document's
// name by the report kind of `settings`, "За d month yyyy года" and the period.
QStringList dayReportLines(const DayReport& report, const ReportSettings& settings);

// The daily certificate or, when the report kind of `settings` is the passport,
// the daily passport of the report on one A4 page, its values recalculated by
// `settings`.
ReportDocument dayReportDocument(const DayReport& report, const ReportSettings& settings,
                                 const ComponentSlotMap& slotMap);
