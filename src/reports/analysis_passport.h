#pragma once

#include "gas/component_slot_map.h"
#include "gas/gas_params.h"
#include "gas/report_settings.h"
#include "reports/report_document.h"
#include "reports/report_texts.h"
#include "tables/date_stamp.h"

#include <QString>

// One chromatograph analysis as its passport prints it.
struct PassportAnalysis {
    QString controller; // "Контроллер "name"  (адрес n)"
    DateStamp time;
    GasParams values; // as the viewer shows them, recalculated by the settings
};

// When the analysis was made: "hh:mm:ss  d month yyyyг", the month in the genitive.
QString analysisTimeText(const DateStamp& time);

// The passport of one analysis on one A4 page: the controller, the station's
// title, the analysis time, the components and then the properties, each row
// with its value in the slot's decimals, its unit and, by the ISO method, the
// expanded uncertainty; below, the six signature lines of `texts`.
ReportDocument analysisPassport(const PassportAnalysis& analysis, const QString& stationTitle, const ReportTexts& texts,
                                const ReportSettings& settings, const ComponentSlotMap& slotMap);
