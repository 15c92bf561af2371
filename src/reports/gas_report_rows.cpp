#include "reports/gas_report_rows.h"

#include "base/common_texts.h"
#include "gas/gas_params.h"

namespace {

constexpr double MethodIndent = 10.0; // mm
constexpr int MonthCount = 12;
const Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;

} // namespace

bool isIsoMethod(const ReportSettings& settings)
{
    return settings.calculationMethod() == 0;
}

QString gasRowName(int slot, const ReportSettings& settings)
{
    const int names =
        settings.fractionKind() == 0 ? CommonTextBase::LongGasNamesMolar : CommonTextBase::LongGasNamesVolume;
    return commonText(names + slot);
}

QString gasUnitText(int slot, const ReportSettings& settings)
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

QString genitiveMonth(int month)
{
    // A report file of any origin is printed: its month byte may be anything.
    if (month < 1 || month > MonthCount)
        return {};
    return commonText(CommonTextBase::MonthsGenitive + month - 1);
}

QString textOrSignatureLine(const QString& text)
{
    return text.isEmpty() ? EmptySignature : text;
}

ReportBand gasRowBand(const QStringList& cells, const QList<GasRowColumn>& columns, double height, ReportFont font)
{
    ReportBand band{height, font, {}};
    double x = 0;
    for (qsizetype cell = 0; cell < cells.size() && cell < columns.size(); ++cell) {
        band.cells.append({QRectF(x, 0, columns[cell].width, height), cells[cell], columns[cell].alignment, true});
        x += columns[cell].width;
    }
    return band;
}

QList<ReportBand> compositionHeadingBands(const ReportSettings& settings, ReportFont font, double lineHeight)
{
    ReportBand method = textLineBand(isIsoMethod(settings) ? QStringLiteral("по ДСТУ ISO 6974:2007 и МВУ 06-063:2011")
                                                           : QStringLiteral("по ГОСТ 22667-82 и ГОСТ 30319.1-96"),
                                     font, lineHeight, Left);
    method.cells.first().box.adjust(MethodIndent, 0, 0, 0);
    return {textLineBand(QStringLiteral("1. Компонентный состав газа, определенный хроматографическим методом"), font,
                         lineHeight, Left),
            method};
}

ReportBand propertiesHeadingBand(const ReportSettings& settings, ReportFont font, double lineHeight)
{
    // Twice a line high: the heading stands apart from the rows above it.
    return textLineBand(isIsoMethod(settings)
                            ? QStringLiteral("2. Физико-химические показатели, рассчитанные по ДСТУ ISO 6976:2009")
                            : QStringLiteral("2. Физико-химические показатели"),
                        font, lineHeight * 2, Qt::AlignLeft | Qt::AlignBottom);
}

QList<ReportBand> signatureBlockBands(const ReportTexts& texts, ReportFont font, double lineHeight)
{
    constexpr int ColumnLines = ReportTexts::SignatureLines / 2;
    const double half = ReportPaper::TextWidth / 2;
    QList<ReportBand> bands{ReportBand{lineHeight * 2, font, {}}};
    for (int line = 0; line < ColumnLines; ++line)
        bands.append({lineHeight,
                      font,
                      {{QRectF(0, 0, half, lineHeight), textOrSignatureLine(texts.signatureLine(line)), Left, false},
                       {QRectF(half, 0, half, lineHeight), textOrSignatureLine(texts.signatureLine(line + ColumnLines)),
                        Left, false}}});
    return bands;
}
