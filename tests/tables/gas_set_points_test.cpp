#include "tables/gas_set_points.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr int Propane = 1;
constexpr int Methane = 8;
constexpr int HeatOfCombustion = 11;
constexpr int Density = 12;
constexpr int CompressionFactor = 14;
constexpr int RelativeDensity = 19;

const InputProblem NotAllEntered{QStringLiteral("Введены не все параметры"), {}};

InputProblem outOfRange(const char* name)
{
    return {QStringLiteral("Параметр \"%1 \".").arg(QString::fromUtf8(name)),
            QStringLiteral("Вводите значения согласно допустимому диапазону")};
}

// The 4 bytes the controller holds for a single-precision value.
QByteArray floatBytes(float value)
{
    QByteArray bytes(4, '\0');
    storeFieldFloat(bytes, 0, value);
    return bytes;
}

// The edit fields as the dialog first shows them.
SetPointTexts shownTexts(GasSetPoint setPoint, const QByteArray& table)
{
    SetPointTexts texts;
    const auto rows = setPointRows(setPoint, table);
    for (int k = 0; k < GasParameterCount; ++k)
        texts[k] = rows[k].value;
    return texts;
}

// Applies the texts to a copy of `table`; the check's answer and the bytes after it.
std::pair<InputCheck, QByteArray> applied(GasSetPoint setPoint, const SetPointTexts& typed, QByteArray table)
{
    const InputCheck check = applySetPoints(setPoint, typed, table);
    return {check, table};
}

} // namespace

TEST(GasSetPoints, FloatsAreHeldLeastSignificantByteFirst)
{
    const QByteArray table = defaultSetPointTable(GasSetPoint::LowerWarning);
    ASSERT_EQ(table.size(), 80);
    EXPECT_EQ(table.mid(Methane * 4, 4), QByteArray::fromHex("0000be42")) << "95.0";
    EXPECT_EQ(table.mid(HeatOfCombustion * 4, 4), QByteArray::fromHex("00001042")) << "36.0";
    EXPECT_EQ(fieldFloat(table, Density), 0.67f);
    EXPECT_EQ(fieldFloat(defaultSetPointTable(GasSetPoint::Zone), Methane), 5.0f);
    EXPECT_EQ(fieldFloat(defaultSetPointTable(GasSetPoint::UpperLimit), 10), 12.0f);
}

TEST(GasSetPoints, RowsShowRangesAndValuesWithTheTablesDecimals)
{
    const QByteArray table = defaultSetPointTable(GasSetPoint::LowerWarning);
    const auto rows = setPointRows(GasSetPoint::LowerWarning, table);
    EXPECT_EQ(rows[Methane], (SetPointRow{" Молярная доля метана", " 40.000 - 100.000", "95.000", "%", true}));
    EXPECT_EQ(rows[HeatOfCombustion],
              (SetPointRow{" Удельная теплота сгорания высшая", " 35 - 45", "36", "МДж/м3", true}));
    EXPECT_EQ(rows[Density].unit, "кг/м3");
    EXPECT_EQ(rows[CompressionFactor].value, "0.9980");
    EXPECT_EQ(rows[CompressionFactor].unit, "");
    EXPECT_EQ(rows[4].value, "0.0002") << "the pentanes' lower set-points have four decimals";
    for (const int unused : {15, 16})
        EXPECT_EQ(rows[unused].range + rows[unused].value + rows[unused].unit, "Не используется0");
    EXPECT_FALSE(rows[16].editable);
    EXPECT_EQ(rows[16].name, " Температура газа");

    const auto zoneRows = setPointRows(GasSetPoint::Zone, defaultSetPointTable(GasSetPoint::Zone));
    EXPECT_EQ(zoneRows[0].range, " 0.0001 - 0.1000");
    EXPECT_EQ(zoneRows[Methane].value, "5.0000");
}

TEST(GasSetPoints, EachModeEditsItsOwnTable)
{
    EXPECT_EQ(tableNumber(GasSetPoint::Zone), 22);
    EXPECT_EQ(tableNumber(GasSetPoint::UpperLimit), 26);
    EXPECT_EQ(setPointCaption(GasSetPoint::Zone), "Параметры газа. Зона нечувствительности изменений");
    EXPECT_EQ(setPointCaption(GasSetPoint::UpperWarning), "Верхняя предупредительная уставка параметра газа");
    EXPECT_EQ(setPointCaption(GasSetPoint::LowerLimit), "Нижний предел знач. парам. газа, допускаемого к записи в ВРГ");
}

TEST(GasSetPoints, BoundsAreWidenedBy0_00001InSinglePrecision)
{
    const QByteArray table = defaultSetPointTable(GasSetPoint::LowerWarning);
    SetPointTexts typed = shownTexts(GasSetPoint::LowerWarning, table);

    typed[Methane] = "39.999995";
    const auto [accepted, stored] = applied(GasSetPoint::LowerWarning, typed, table);
    EXPECT_EQ(accepted, std::nullopt);
    EXPECT_EQ(stored.mid(Methane * 4, 4), floatBytes(39.999995f));

    typed[Methane] = "39.9999";
    EXPECT_EQ(applied(GasSetPoint::LowerWarning, typed, table).first, outOfRange(" Молярная доля метана"));

    // 0.66 - 0.00001 is 0.65999 in single precision but above it in double.
    typed = shownTexts(GasSetPoint::LowerWarning, table);
    typed[Density] = "0.65999";
    EXPECT_EQ(applied(GasSetPoint::LowerWarning, typed, table).first, std::nullopt);
    typed[Density] = "1.050009";
    EXPECT_EQ(applied(GasSetPoint::LowerWarning, typed, table).first, std::nullopt);
    typed[Density] = "1.0500101";
    EXPECT_EQ(applied(GasSetPoint::LowerWarning, typed, table).first, outOfRange(" Абсолютная плотность"));
}

TEST(GasSetPoints, AZoneOfZeroIsRefused)
{
    const QByteArray table = defaultSetPointTable(GasSetPoint::Zone);
    SetPointTexts typed = shownTexts(GasSetPoint::Zone, table);
    typed[Propane] = "0.0000";
    const auto [check, stored] = applied(GasSetPoint::Zone, typed, table);
    EXPECT_EQ(check, outOfRange(" Молярная доля пропана"));
    EXPECT_EQ(stored, table);
}

TEST(GasSetPoints, TextThatIsNotAValueIsOutOfRange)
{
    const QByteArray table = defaultSetPointTable(GasSetPoint::Zone);
    // A methane zone of 0,5 read as 5 would be within the range.
    for (const char* text : {"abc", "nan", "NaN", "inf", "0,5", "1e40"}) {
        SetPointTexts typed = shownTexts(GasSetPoint::Zone, table);
        typed[Methane] = text;
        EXPECT_EQ(applied(GasSetPoint::Zone, typed, table).first, outOfRange(" Молярная доля метана")) << text;
    }

    // A NaN the controller holds shows as text that must be replaced before accepting.
    QByteArray holdingNan = table;
    storeFieldFloat(holdingNan, RelativeDensity, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(applied(GasSetPoint::Zone, shownTexts(GasSetPoint::Zone, holdingNan), holdingNan).first,
              outOfRange(" Относительная плотность"));
}

TEST(GasSetPoints, ARefusalStoresNoRowAndNamesTheFirstRowOutOfRange)
{
    const QByteArray table = defaultSetPointTable(GasSetPoint::UpperLimit);
    SetPointTexts typed = shownTexts(GasSetPoint::UpperLimit, table);
    typed[0] = "0.500";
    typed[Methane] = "99.000";
    typed[RelativeDensity] = "0.900";
    auto [check, stored] = applied(GasSetPoint::UpperLimit, typed, table);
    EXPECT_EQ(check, outOfRange(" Относительная плотность"));
    EXPECT_EQ(stored, table) << "the rows before the refused one are not stored either";

    typed[2] = "1.300";
    EXPECT_EQ(applied(GasSetPoint::UpperLimit, typed, table).first, outOfRange(" Молярная доля и-бутана"));

    typed[2] = "1.100";
    typed[RelativeDensity] = "0.800";
    std::tie(check, stored) = applied(GasSetPoint::UpperLimit, typed, table);
    EXPECT_EQ(check, std::nullopt);
    EXPECT_EQ(fieldFloat(stored, 0), 0.5f);
    EXPECT_EQ(fieldFloat(stored, 2), 1.1f);
    EXPECT_EQ(fieldFloat(stored, Methane), 99.0f);
    EXPECT_EQ(fieldFloat(stored, RelativeDensity), 0.8f);
}

TEST(GasSetPoints, AnEmptyFieldIsRefusedBeforeAnyRange)
{
    const QByteArray table = defaultSetPointTable(GasSetPoint::LowerLimit);
    SetPointTexts typed = shownTexts(GasSetPoint::LowerLimit, table);
    typed[0] = "7";
    typed[RelativeDensity] = " ";
    const auto [empty, unchanged] = applied(GasSetPoint::LowerLimit, typed, table);
    EXPECT_EQ(empty, NotAllEntered);
    EXPECT_EQ(unchanged, table);

    // The unused rows are neither checked nor stored.
    QByteArray withUnused = table;
    storeFieldFloat(withUnused, 15, 1234.5f);
    typed = shownTexts(GasSetPoint::LowerLimit, withUnused);
    typed[15] = "";
    typed[16] = "abc";
    typed[Methane] = "91";
    const auto [check, stored] = applied(GasSetPoint::LowerLimit, typed, withUnused);
    EXPECT_EQ(check, std::nullopt);
    EXPECT_EQ(fieldFloat(stored, 15), 1234.5f);
    EXPECT_EQ(stored.mid(16 * 4, 4), withUnused.mid(16 * 4, 4));
}

TEST(GasSetPoints, AnUntouchedRowKeepsItsExactBytes)
{
    QByteArray table = defaultSetPointTable(GasSetPoint::UpperWarning);
    storeFieldFloat(table, Methane, 99.99962f);      // shown as "100.000"
    storeFieldFloat(table, HeatOfCombustion, 44.7f); // shown as "45"
    SetPointTexts typed = shownTexts(GasSetPoint::UpperWarning, table);
    ASSERT_EQ(typed[Methane], "100.000");
    typed[Propane] = "5.500";
    const auto [check, stored] = applied(GasSetPoint::UpperWarning, typed, table);
    EXPECT_EQ(check, std::nullopt);
    QByteArray expected = table;
    storeFieldFloat(expected, Propane, 5.5f);
    EXPECT_EQ(stored, expected);

    // Typed over with a different text, the row takes the typed value.
    typed[HeatOfCombustion] = "44";
    EXPECT_EQ(fieldFloat(applied(GasSetPoint::UpperWarning, typed, table).second, HeatOfCombustion), 44.0f);
}

TEST(GasSetPoints, LeavingAFieldReformatsItWithTheRowsDecimals)
{
    EXPECT_EQ(reformattedSetPoint(GasSetPoint::LowerWarning, Methane, " 95"), "95.000");
    EXPECT_EQ(reformattedSetPoint(GasSetPoint::LowerWarning, HeatOfCombustion, "36.6"), "37");
    EXPECT_EQ(reformattedSetPoint(GasSetPoint::Zone, Density, "0.00016"), "0.0002");
    EXPECT_EQ(reformattedSetPoint(GasSetPoint::Zone, Density, "0.0x"), "0.0x");
}
