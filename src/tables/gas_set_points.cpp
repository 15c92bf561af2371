#include "tables/gas_set_points.h"

#include <optional>

namespace {

// A value typed at the displayed precision may fall just outside a bound that
// single precision cannot hold exactly; this much beyond a bound is let through.
constexpr float Tolerance = 0.00001f;

QString formatted(float value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

// The typed value when it is a number within the range; NaN and text that is
// not a number are never within it.
std::optional<float> valueInRange(const QString& text, const GasParamRange& range)
{
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    if (!ok || !(value >= range.lowest - Tolerance && value <= range.highest + Tolerance))
        return std::nullopt;
    return value;
}

} // namespace

QString setPointCaption(GasSetPoint setPoint)
{
    switch (setPoint) {
    case GasSetPoint::Zone:
        return QStringLiteral("Параметры газа. Зона нечувствительности изменений");
    case GasSetPoint::LowerWarning:
        return QStringLiteral("Нижняя предупредительная уставка параметра газа");
    case GasSetPoint::UpperWarning:
        return QStringLiteral("Верхняя предупредительная уставка параметра газа");
    case GasSetPoint::LowerLimit:
        return QStringLiteral("Нижний предел знач. парам. газа, допускаемого к записи в ВРГ");
    case GasSetPoint::UpperLimit:
        break;
    }
    return QStringLiteral("Верхний предел знач. парам. газа, допускаемого к записи в ВРГ");
}

std::array<SetPointRow, GasParameterCount> setPointRows(GasSetPoint setPoint, QByteArrayView table)
{
    const auto& ranges = gasParamRanges(setPoint);
    std::array<SetPointRow, GasParameterCount> rows;
    for (int k = 0; k < GasParameterCount; ++k) {
        SetPointRow& row = rows[k];
        row.name = gasParameterName(k);
        if (!hasSetPoints(k)) {
            row.range = QStringLiteral("Не используется");
            row.value = QStringLiteral("0");
            continue;
        }
        const GasParamRange& range = ranges[k];
        row.range = QStringLiteral(" %1 - %2")
                        .arg(formatted(range.lowest, range.decimals), formatted(range.highest, range.decimals));
        row.value = formatted(fieldFloat(table, k), range.decimals);
        row.unit = range.unit();
        row.editable = true;
    }
    return rows;
}

QString reformattedSetPoint(GasSetPoint setPoint, int parameter, const QString& typed)
{
    bool ok = false;
    const float value = typed.trimmed().toFloat(&ok);
    if (!ok || !hasSetPoints(parameter))
        return typed;
    return formatted(value, gasParamRanges(setPoint)[parameter].decimals);
}

InputCheck applySetPoints(GasSetPoint setPoint, const SetPointTexts& typed, QByteArray& table)
{
    const InputProblem notAllEntered{QStringLiteral("Введены не все параметры"), {}};
    if (table.size() < SetPointTableLength)
        return notAllEntered;
    for (int k = 0; k < GasParameterCount; ++k)
        if (hasSetPoints(k) && typed[k].trimmed().isEmpty())
            return notAllEntered;

    const auto& ranges = gasParamRanges(setPoint);
    const auto shown = setPointRows(setPoint, table);
    std::array<std::optional<float>, GasParameterCount> edited;
    for (int k = 0; k < GasParameterCount; ++k) {
        if (!hasSetPoints(k))
            continue;
        const std::optional<float> value = valueInRange(typed[k], ranges[k]);
        if (!value)
            return InputProblem{QStringLiteral("Параметр \"%1 \".").arg(gasParameterName(k)),
                                QStringLiteral("Вводите значения согласно допустимому диапазону")};
        if (typed[k] != shown[k].value)
            edited[k] = value;
    }
    for (int k = 0; k < GasParameterCount; ++k)
        if (edited[k])
            storeFieldFloat(table, k, *edited[k]);
    return std::nullopt;
}

QByteArray defaultSetPointTable(GasSetPoint setPoint)
{
    QByteArray table(SetPointTableLength, '\0');
    const auto& ranges = gasParamRanges(setPoint);
    for (int k = 0; k < GasParameterCount; ++k)
        storeFieldFloat(table, k, ranges[k].defaultValue);
    return table;
}
