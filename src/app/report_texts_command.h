#pragma once

#include "base/operator.h"
#include "reports/report_texts.h"

#include <functional>

class WorkDirectory;

// Shows the editor of one panel of the report texts; true when the operator accepted.
using ReportTextsEditor = std::function<bool(ReportTexts& texts, ReportTextsPanel panel)>;

// "Формат суточного сертификата" and "Формат суточного паспорта": the texts of
// "report.ini" (empty ones where it is missing or short) edited on the panel's
// editor and, when accepted, saved whole. A save that fails keeps the old file
// and is told ("Ошибка записи файла"): the operator must not believe the new
// texts are kept.
void editReportTexts(Operator& person, const WorkDirectory& directory, ReportTextsPanel panel,
                     const ReportTextsEditor& edit);
