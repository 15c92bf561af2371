#include "reports/passport_uncertainty.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <limits>

namespace {

const ReportSettings TwoDecimals = ReportSettings::fromBytes(QByteArray(5, '\0') + QByteArray(20, 2));

GasParams methaneAndEthane()
{
    GasParams values{};
    values[GasSlot::Methane] = 96.0f;
    values[10] = 4.0f;
    values[GasSlot::Density] = 0.7f;
    values[GasSlot::WobbeIndex] = 50.0f;
    values[GasSlot::InferiorHeat] = 34.0f;
    return values;
}

TEST(PassportUncertainty, PrintsTwoDashesForTheCompressionFactor)
{
    const GasParams values = methaneAndEthane();
    EXPECT_EQ(PassportUncertainty(values, TwoDecimals, ComponentSlotMap()).text(GasSlot::CompressionFactor),
              QStringLiteral("--"));
}

TEST(PassportUncertainty, LeavesThePropertiesWithoutAnUncertaintyEmpty)
{
    const GasParams values = methaneAndEthane();
    const PassportUncertainty column(values, TwoDecimals, ComponentSlotMap());
    for (const int slot :
         {GasSlot::SuperiorHeat, GasSlot::SumOfFractions, GasSlot::GasTemperature, GasSlot::RelativeDensity})
        EXPECT_EQ(column.text(slot), QString()) << slot;
}

TEST(PassportUncertainty, GivesComponentsAndTheThreePrintedPropertiesInTheSlotsDecimals)
{
    const GasParams values = methaneAndEthane();
    const PassportUncertainty column(values, TwoDecimals, ComponentSlotMap());
    for (const int slot : {GasSlot::Methane, 10, GasSlot::Density, GasSlot::WobbeIndex, GasSlot::InferiorHeat})
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d\\d$")).match(column.text(slot)).hasMatch())
            << slot << ": " << column.text(slot).toStdString();
}

TEST(PassportUncertainty, LeavesTheCellEmptyWhenTheAnalysisGaveNoNumber)
{
    GasParams values = methaneAndEthane();
    values[GasSlot::Methane] = std::numeric_limits<float>::infinity();
    EXPECT_EQ(PassportUncertainty(values, TwoDecimals, ComponentSlotMap()).text(GasSlot::Methane), QString());
}

TEST(PassportUncertainty, InKilocaloriesGivesTheHeatAndWobbeIndexUncertaintyInKilocalories)
{
    const ReportSettings kilocalories =
        ReportSettings::fromBytes(QByteArray(1, '\0') + char(1) + QByteArray(3, '\0') + QByteArray(20, 4));
    const ReportSettings megajoules = ReportSettings::fromBytes(QByteArray(5, '\0') + QByteArray(20, 4));
    GasParams inMegajoules = methaneAndEthane();
    inMegajoules[GasSlot::SuperiorHeat] = 38.0f;
    inMegajoules[GasSlot::RelativeDensity] = 0.58f;
    GasParams inKilocalories = inMegajoules;
    for (const int slot : {GasSlot::SuperiorHeat, GasSlot::WobbeIndex, GasSlot::InferiorHeat})
        inKilocalories[static_cast<std::size_t>(slot)] *= 239.08f;
    const PassportUncertainty mj(inMegajoules, megajoules, ComponentSlotMap());
    const PassportUncertainty kcal(inKilocalories, kilocalories, ComponentSlotMap());
    for (const int slot : {GasSlot::InferiorHeat, GasSlot::WobbeIndex}) {
        ASSERT_GT(mj.text(slot).toDouble(), 0) << slot;
        EXPECT_NEAR(kcal.text(slot).toDouble(), mj.text(slot).toDouble() * 239.08, 0.01) << slot;
    }
    EXPECT_EQ(kcal.text(GasSlot::Density), mj.text(GasSlot::Density));
}

} // namespace
