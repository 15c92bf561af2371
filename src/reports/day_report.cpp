#include "reports/day_report.h"

// Placeholder until the documents are laid out.
QStringList dayReportLines(const DayReport&, const ReportSettings&)
{
    return {};
}

ReportDocument dayReportDocument(const DayReport&, const ReportSettings&, const ComponentSlotMap&)
{
    return {{ReportPage{}}};
}
