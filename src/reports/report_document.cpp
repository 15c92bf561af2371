#include "reports/report_document.h"

ReportBand textLineBand(const QString& text, ReportFont font, double height, Qt::Alignment alignment)
{
    return {height, font, {{QRectF(0, 0, ReportPaper::TextWidth, height), text, alignment, false}}};
}
