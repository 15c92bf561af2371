#include "reports/page_frame.h"

#include "base/windows1251.h"

namespace {

constexpr ReportFont TitleFont{ReportTypeface::Serif, 12.0, false};
constexpr ReportFont LineFont{ReportTypeface::Serif, 10.0, false};
constexpr ReportFont FooterFont{ReportTypeface::Sans, 8.0, false};
constexpr double TitleLine = 6.0; // mm
constexpr double TextLine = 5.0;
constexpr double BelowHead = 2.0;
constexpr double FooterHeight = 5.0;

} // namespace

QString controllerName(const ArchiveFileHeader& header)
{
    QByteArray bytes = header.controllerName();
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0)
        bytes.truncate(end);
    return fromWindows1251(bytes).trimmed();
}

QString controllerLine(const ArchiveFileHeader& header)
{
    return QStringLiteral("Контроллер \"%1\"  (адрес %2)").arg(controllerName(header)).arg(header.address());
}

PageHead archivePageHead(const ArchiveFileHeader& header, PrintKind kind, const QString& organisation)
{
    const DateStamp read = header.pcTime();
    return {organisation, controllerLine(header), documentTitle(kind, header.periodStart(), header.periodEnd()),
            QString::asprintf("Составлен программой gqc_04  %02d.%02d.%02d  %02d:%02d:%02d", read.day, read.month,
                              read.year, read.hour, read.minute, read.second)};
}

QList<ReportBand> pageHeadBands(const PageHead& head)
{
    return {textLineBand(head.organisation, TitleFont, TitleLine),
            textLineBand(head.controller, LineFont, TextLine),
            textLineBand(head.title.title, TitleFont, TitleLine),
            textLineBand(head.title.second, TitleFont, TitleLine),
            textLineBand(head.title.period, LineFont, TextLine),
            textLineBand(head.madeBy, LineFont, TextLine + BelowHead, Qt::AlignHCenter | Qt::AlignTop)};
}

ReportBand pageFooterBand(int number, int count)
{
    constexpr double NumberWidth = 20.0;
    constexpr double CountWidth = 14.0;
    const double right = ReportPaper::TextWidth;
    return {FooterHeight,
            FooterFont,
            {{QRectF(right - CountWidth - NumberWidth, 0, NumberWidth, FooterHeight),
              QStringLiteral("Стр. %1").arg(number), Qt::AlignRight | Qt::AlignVCenter, false},
             {QRectF(right - CountWidth, 0, CountWidth, FooterHeight), QStringLiteral(" из %1").arg(count),
              Qt::AlignLeft | Qt::AlignVCenter, false}}};
}
