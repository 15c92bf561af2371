#include "reports/analysis_passport.h"

#include "base/common_texts.h"
#include "gas/gas_value_text.h"
#include "reports/passport_uncertainty.h"

#include <array>

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
constexpr double MethodIndent = 10.0;
constexpr std::uint8_t IsoMethod = 0; // the controller computes by the ISO standards

constexpr std::array ComponentRows{8, 10, 1, 2, 3, 4, 5, 6, 0, 9, 7};
constexpr std::array PropertyRows{GasSlot::InferiorHeat, GasSlot::WobbeIndex, GasSlot::Density};

const QString EmptySignature = QStringLiteral("_________________________________________");
const Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;

QString rowName(int slot, const ReportSettings& settings)
{
    const int names =
        settings.fractionKind() == 0 ? CommonTextBase::LongGasNamesMolar : CommonTextBase::LongGasNamesVolume;
    return commonText(names + slot);
}

QString unitText(int slot, const ReportSettings& settings)
{
    switch (slot) {
    case GasSlot::SuperiorHeat:
    case GasSlot::WobbeIndex:
    case GasSlot::InferiorHeat:
        return settings.heatUnit() == 0 ? QStringLiteral("МДж/м3") : QStringLiteral("ккал/м3");
    case GasSlot::Density:
        return QStringLiteral("кг/м3");
    case GasSlot::GasTemperature:
        return QStringLiteral("°С");
    case GasSlot::CompressionFactor:
    case GasSlot::RelativeDensity:
        return QStringLiteral(" ");
    default:
        return QStringLiteral("%");
    }
}

ReportBand rowBand(const QStringList& cells, double height)
{
    ReportBand band{height, CellFont, {}};
    const std::array widths{NameWidth, ValueWidth, UnitWidth, UncertaintyWidth};
    double x = 0;
    for (qsizetype cell = 0; cell < cells.size(); ++cell) {
        const double width = widths[static_cast<std::size_t>(cell)];
        band.cells.append({QRectF(x, 0, width, height), cells[cell], cell == 0 ? Left : Qt::AlignCenter, true});
        x += width;
    }
    return band;
}

ReportBand headerBand(const QString& names)
{
    return rowBand({names, QStringLiteral("Значение"), QString(), QStringLiteral("Расширенная\nнеопределенность, %")},
                   HeaderHeight);
}

ReportBand signatureBand(const ReportTexts& texts, int line)
{
    const auto signature = [&](int index) {
        const QString text = texts.signatureLine(index);
        return text.isEmpty() ? EmptySignature : text;
    };
    const double half = ReportPaper::TextWidth / 2;
    return {SignatureLine,
            LineFont,
            {{QRectF(0, 0, half, SignatureLine), signature(line), Left, false},
             {QRectF(half, 0, half, SignatureLine), signature(line + ReportTexts::SignatureLines / 2), Left, false}}};
}

} // namespace

QString analysisTimeText(const DateStamp& time)
{
    return QString::asprintf("%02d:%02d:%02d  %d ", time.hour, time.minute, time.second, time.day) +
           commonText(CommonTextBase::MonthsGenitive + time.month - 1) + QStringLiteral(" %1г").arg(2000 + time.year);
}

ReportDocument analysisPassport(const PassportAnalysis& analysis, const QString& stationTitle, const ReportTexts& texts,
                                const ReportSettings& settings, const ComponentSlotMap& slotMap)
{
    const bool iso = settings.calculationMethod() == IsoMethod;
    ReportPage page;
    page.bands = {
        textLineBand(analysis.controller, LineFont, TextLine),
        textLineBand(stationTitle, TitleFont, TitleLine),
        textLineBand(QStringLiteral("Физико-химические показатели природного газа"), TitleFont, TitleLine),
        textLineBand(QStringLiteral("по результатам однократного анализа  ") + analysisTimeText(analysis.time),
                     LineFont, TextLine),
        textLineBand(QStringLiteral("1. Компонентный состав газа, определенный хроматографическим методом"), LineFont,
                     TextLine, Left),
    };
    ReportBand method = textLineBand(iso ? QStringLiteral("по ДСТУ ISO 6974:2007 и МВУ 06-063:2011")
                                         : QStringLiteral("по ГОСТ 22667-82 и ГОСТ 30319.1-96"),
                                     LineFont, TextLine, Left);
    method.cells.first().box.adjust(MethodIndent, 0, 0, 0);
    page.bands.append(method);

    const std::optional<PassportUncertainty> uncertainties =
        iso ? std::make_optional<PassportUncertainty>(analysis.values, settings, slotMap) : std::nullopt;
    const auto valueRow = [&](int slot) {
        const auto value = static_cast<double>(analysis.values[static_cast<std::size_t>(slot)]);
        return rowBand({rowName(slot, settings), gasValueText(value, slot, settings), unitText(slot, settings),
                        uncertainties ? uncertainties->text(slot) : QString()},
                       RowHeight);
    };
    page.bands.append(headerBand(QStringLiteral("Наименование компонентов")));
    for (const int slot : ComponentRows)
        page.bands.append(valueRow(slot));
    page.bands.append(
        textLineBand(iso ? QStringLiteral("2. Физико-химические показатели, рассчитанные по ДСТУ ISO 6976:2009")
                         : QStringLiteral("2. Физико-химические показатели"),
                     LineFont, TextLine * 2, Qt::AlignLeft | Qt::AlignBottom));
    page.bands.append(headerBand(QStringLiteral("Наименование показателей")));
    for (const int slot : PropertyRows)
        page.bands.append(valueRow(slot));

    page.bands.append(ReportBand{SignatureLine * 2, LineFont, {}});
    for (int line = 0; line < ReportTexts::SignatureLines / 2; ++line)
        page.bands.append(signatureBand(texts, line));
    return {{page}};
}
