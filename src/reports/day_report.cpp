#include "reports/day_report.h"

#include "gas/gas_record_recalc.h"
#include "gas/gas_value_text.h"
#include "reports/gas_report_rows.h"

#include <cmath>

namespace {

constexpr ReportFont TitleFont{ReportTypeface::Sans, 12.0, false};
constexpr ReportFont NameFont{ReportTypeface::Sans, 12.0, true};
constexpr ReportFont RowFont{ReportTypeface::Sans, 10.0, false};
constexpr double TitleLine = 7.0; // mm
constexpr double TextLine = 6.0;
constexpr double RowHeight = 6.0;
constexpr double HeaderHeight = 8.0;
constexpr double SignatureLine = 8.0;
constexpr double NameWidth = 120.0;
constexpr double ValueWidth = 35.0;
constexpr double UnitWidth = ReportPaper::TextWidth - NameWidth - ValueWidth;
constexpr int PassportKind = 1;
// The dialog separates the period's ends by three blanks, the documents by ten before "до".
constexpr int DialogBlanks = 3;
constexpr int DocumentBlanks = 10;

const Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
const QList<GasRowColumn> RowColumns{
    {NameWidth, Left}, {ValueWidth, Qt::AlignRight | Qt::AlignVCenter}, {UnitWidth, Qt::AlignCenter}};
const QList<GasRowColumn> HeaderColumns{{NameWidth, Qt::AlignCenter}, {ValueWidth + UnitWidth, Qt::AlignCenter}};

QString dateText(const DateStamp& stamp)
{
    return QStringLiteral("%1 %2 %3").arg(stamp.day).arg(genitiveMonth(stamp.month)).arg(2000 + stamp.year);
}

QString dayLine(const DayReport& report)
{
    return QStringLiteral("За %1 года").arg(dateText(report.start));
}

QString periodEnd(const DateStamp& stamp)
{
    return QString::asprintf("%02d:%02d  ", stamp.hour, stamp.minute) + dateText(stamp) + QStringLiteral("г");
}

// The Latin c opens the line as it always has.
QString periodLine(const DayReport& report, int blanksBeforeTo)
{
    return QStringLiteral("c  ") + periodEnd(report.start) + QString(blanksBeforeTo, ' ') + QStringLiteral("до   ") +
           periodEnd(report.end);
}

QString controllerLine(const DayReport& report)
{
    return QStringLiteral("Контроллер \"%1\"  (адрес %2)").arg(report.controllerName).arg(report.address);
}

// Whether the row shows the slot as the controller sent it: the compression
// factor always, the other properties when they are the controller's (ISO).
bool takenAsSent(int slot, const ReportSettings& settings)
{
    switch (slot) {
    case GasSlot::CompressionFactor:
        return true;
    case GasSlot::SuperiorHeat:
    case GasSlot::Density:
    case GasSlot::WobbeIndex:
    case GasSlot::InferiorHeat:
    case GasSlot::RelativeDensity:
        return isIsoMethod(settings);
    default:
        return false;
    }
}

// A value the controller could not compute reads "NAN", not a zero that looks measured.
QString valueText(const DayReport& report, const GasParams& shown, int slot, const ReportSettings& settings)
{
    const auto index = static_cast<std::size_t>(slot);
    if (takenAsSent(slot, settings) && !std::isfinite(report.values[index]))
        return QStringLiteral("NAN");
    return gasValueText(shown[index], slot, settings);
}

template <std::size_t N>
void appendRows(ReportPage& page, const std::array<int, N>& rowSlots, const QString& header, const DayReport& report,
                const GasParams& shown, const ReportSettings& settings)
{
    page.bands.append(gasRowBand({header, QStringLiteral("Значение")}, HeaderColumns, HeaderHeight, RowFont));
    for (const int slot : rowSlots) {
        const QString value = valueText(report, shown, slot, settings);
        page.bands.append(gasRowBand({gasRowName(slot, settings), value, gasUnitText(slot, settings)}, RowColumns,
                                     RowHeight, RowFont));
    }
}

// The rows of both daily documents: the components, the properties' heading and the properties.
template <std::size_t Components, std::size_t Properties>
void appendTables(ReportPage& page, const std::array<int, Components>& components,
                  const std::array<int, Properties>& properties, const DayReport& report,
                  const ReportSettings& settings, const ComponentSlotMap& slotMap)
{
    const GasParams shown = recalcGasRecord(report.values, settings, slotMap);
    page.bands.append(compositionHeadingBands(settings, RowFont, TextLine));
    appendRows(page, components, QStringLiteral("Наименование компонентов"), report, shown, settings);
    page.bands.append(propertiesHeadingBand(settings, RowFont, TextLine));
    appendRows(page, properties, QStringLiteral("Наименование показателей"), report, shown, settings);
}

// "Представитель", the representative's text and the line for the signature, in two columns.
ReportBand representativesFooter(const ReportTexts& texts)
{
    const double half = ReportPaper::TextWidth / 2;
    ReportBand footer{SignatureLine * 3, RowFont, {}};
    for (int side = 0; side < 2; ++side) {
        const QStringList lines{QStringLiteral("Представитель"), textOrSignatureLine(texts.representative(side)),
                                EmptySignature};
        for (qsizetype line = 0; line < lines.size(); ++line)
            footer.cells.append(
                {QRectF(side * half, line * SignatureLine, half, SignatureLine), lines[line], Left, false});
    }
    return footer;
}

ReportPage certificate(const DayReport& report, const ReportSettings& settings, const ComponentSlotMap& slotMap)
{
    ReportPage page;
    page.bands = {textLineBand(controllerLine(report), TitleFont, TitleLine),
                  textLineBand(QStringLiteral("СУТОЧНЫЙ  СЕРТИФИКАТ"), NameFont, TitleLine)};
    for (int line = 0; line < ReportTexts::HeadingLines; ++line)
        page.bands.append(textLineBand(report.texts.headingLine(line), TitleFont, TitleLine));
    page.bands.append(textLineBand(dayLine(report), TitleFont, TitleLine));
    page.bands.append(textLineBand(periodLine(report, DocumentBlanks), TitleFont, TitleLine));
    appendTables(page, CertificateComponentRows, CertificatePropertyRows, report, settings, slotMap);
    page.footer = representativesFooter(report.texts);
    return page;
}

ReportPage passport(const DayReport& report, const ReportSettings& settings, const ComponentSlotMap& slotMap)
{
    ReportPage page;
    page.bands = {textLineBand(controllerLine(report), TitleFont, TitleLine),
                  textLineBand(QStringLiteral("СУТОЧНЫЙ  ПАСПОРТ"), NameFont, TitleLine),
                  textLineBand(QStringLiteral("физико-химических показателей природного газа"), TitleFont, TitleLine),
                  textLineBand(dayLine(report), TitleFont, TitleLine),
                  textLineBand(periodLine(report, DocumentBlanks), TitleFont, TitleLine)};
    appendTables(page, PassportComponentRows, PassportPropertyRows, report, settings, slotMap);
    page.bands.append(signatureBlockBands(report.texts, RowFont, SignatureLine));
    return page;
}

} // namespace

QStringList dayReportLines(const DayReport& report, const ReportSettings& settings)
{
    return {settings.reportKind() == PassportKind ? QStringLiteral("СУТОЧНЫЙ ПАСПОРТ")
                                                  : QStringLiteral("СУТОЧНЫЙ СЕРТИФИКАТ"),
            dayLine(report), periodLine(report, DialogBlanks)};
}

ReportDocument dayReportDocument(const DayReport& report, const ReportSettings& settings,
                                 const ComponentSlotMap& slotMap)
{
    return {{settings.reportKind() == PassportKind ? passport(report, settings, slotMap)
                                                   : certificate(report, settings, slotMap)}};
}
