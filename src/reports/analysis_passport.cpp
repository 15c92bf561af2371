#include "reports/analysis_passport.h"

#include "gas/gas_value_text.h"
#include "reports/gas_report_rows.h"
#include "reports/passport_uncertainty.h"

namespace {

constexpr ReportFont TitleFont{ReportTypeface::Serif, 12.0, true};
constexpr ReportFont LineFont{ReportTypeface::Serif, 11.0, false};
constexpr ReportFont CellFont{ReportTypeface::Serif, 10.0, false};
constexpr double TitleLine = 7.0; // mm
constexpr double TextLine = 6.0;
constexpr double RowHeight = 6.0;
constexpr double HeaderHeight = 10.0;
constexpr double SignatureLine = 8.0;
constexpr double NameWidth = 100.0;
constexpr double ValueWidth = 30.0;
constexpr double UnitWidth = 22.0;
constexpr double UncertaintyWidth = ReportPaper::TextWidth - NameWidth - ValueWidth - UnitWidth;

const QList<GasRowColumn> Columns{{NameWidth, Qt::AlignLeft | Qt::AlignVCenter},
                                  {ValueWidth, Qt::AlignCenter},
                                  {UnitWidth, Qt::AlignCenter},
                                  {UncertaintyWidth, Qt::AlignCenter}};

ReportBand headerBand(const QString& names)
{
    return gasRowBand(
        {names, QStringLiteral("Значение"), QString(), QStringLiteral("Расширенная\nнеопределенность, %")}, Columns,
        HeaderHeight, CellFont);
}

} // namespace

QString analysisTimeText(const DateStamp& time)
{
    return QString::asprintf("%02d:%02d:%02d  %d ", time.hour, time.minute, time.second, time.day) +
           genitiveMonth(time.month) + QStringLiteral(" %1г").arg(2000 + time.year);
}

ReportDocument analysisPassport(const PassportAnalysis& analysis, const QString& stationTitle, const ReportTexts& texts,
                                const ReportSettings& settings, const ComponentSlotMap& slotMap)
{
    ReportPage page;
    page.bands = {
        textLineBand(analysis.controller, LineFont, TextLine),
        textLineBand(stationTitle, TitleFont, TitleLine),
        textLineBand(QStringLiteral("Физико-химические показатели природного газа"), TitleFont, TitleLine),
        textLineBand(QStringLiteral("по результатам однократного анализа  ") + analysisTimeText(analysis.time),
                     LineFont, TextLine),
    };
    page.bands.append(compositionHeadingBands(settings, LineFont, TextLine));

    const std::optional<PassportUncertainty> uncertainties =
        isIsoMethod(settings) ? std::make_optional<PassportUncertainty>(analysis.values, settings, slotMap)
                              : std::nullopt;
    const auto valueRow = [&](int slot) {
        const auto value = static_cast<double>(analysis.values[static_cast<std::size_t>(slot)]);
        return gasRowBand({gasRowName(slot, settings), gasValueText(value, slot, settings), gasUnitText(slot, settings),
                           uncertainties ? uncertainties->text(slot) : QString()},
                          Columns, RowHeight, CellFont);
    };
    page.bands.append(headerBand(QStringLiteral("Наименование компонентов")));
    for (const int slot : PassportComponentRows)
        page.bands.append(valueRow(slot));
    page.bands.append(propertiesHeadingBand(settings, LineFont, TextLine));
    page.bands.append(headerBand(QStringLiteral("Наименование показателей")));
    for (const int slot : PassportPropertyRows)
        page.bands.append(valueRow(slot));

    page.bands.append(signatureBlockBands(texts, LineFont, SignatureLine));
    return {{page}};
}
