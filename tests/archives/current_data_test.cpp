#include "archives/controller_state.h"
#include "archives/current_data.h"

#include <gtest/gtest.h>

#include <QtEndian>
#include <cstring>

namespace {

QByteArray floats(QByteArray head, std::initializer_list<float> values)
{
    for (const float value : values) {
        std::uint32_t raw = 0;
        std::memcpy(&raw, &value, sizeof raw);
        char bytes[4];
        qToLittleEndian(raw, bytes);
        head.append(bytes, 4);
    }
    return head;
}

const QByteArray Stamp("\x1a\x03\x0f\x00\x0a\x05\x07\x00", 8); // 15.03.26 10:05:07

} // namespace

TEST(CurrentData, ZoneCodesShowTheirTextAndColourAndUnknownCodesAQuestionMarkInGreen)
{
    EXPECT_EQ(zoneCell(0, 0), (ColouredText{" Норма", CellColour::Black}));
    EXPECT_EQ(zoneCell(1, 1), (ColouredText{" Нижняя предупредительная зона", 0x723838}));
    EXPECT_EQ(zoneCell(2, 2), (ColouredText{" Верхняя предупредительная зона", 0x723838}));
    EXPECT_EQ(zoneCell(3, 3), (ColouredText{" Нижняя аварийная зона", CellColour::Red}));
    EXPECT_EQ(zoneCell(19, 4), (ColouredText{" Верхняя аварийная зона", CellColour::Red}));
    EXPECT_EQ(zoneCell(5, 5), (ColouredText{"?", CellColour::Green}));
    EXPECT_EQ(zoneCell(5, 255), (ColouredText{"?", CellColour::Green}));
    EXPECT_EQ(zoneCell(15, 0), std::nullopt);
    EXPECT_EQ(zoneCell(16, 3), std::nullopt);
    EXPECT_NE(zoneCell(14, 0), std::nullopt);
    EXPECT_NE(zoneCell(17, 0), std::nullopt);
}

TEST(CurrentData, TheAnalysisTimeAndValuesAreShownWithTheSlotsDecimals)
{
    const ReportSettings settings = ReportSettings::fromBytes(QByteArray(5, '\0') + QByteArray(20, '\3'));
    std::initializer_list<float> values = {0.1f, 1.5f,  0.2f, 0.3f,  0.01f,  0.1f,   0.1f,  1.0f,  90.0f, 1.0f,
                                           5.0f, 38.5f, 0.7f, 50.0f, 0.998f, 100.0f, 12.5f, 0.01f, 34.7f, 0.58f};
    const QByteArray table = floats(Stamp, values);
    ASSERT_EQ(table.size(), CurrentDataLayout::ChromatographBytes);
    EXPECT_EQ(currentDataTime(table), "15.03.26 10:05:07");
    const auto texts = currentGasValueTexts(table, settings, ComponentSlotMap());
    EXPECT_EQ(texts[1], "1.500");
    EXPECT_EQ(texts[16], "12.500");
}

TEST(CurrentData, RowLabelsFollowTheFractionsAndTheHeatUnit)
{
    const ReportSettings molar = ReportSettings::fromBytes(QByteArray());
    const ReportSettings volumeKcal = ReportSettings::fromBytes(QByteArray("\1\1", 2));
    EXPECT_EQ(currentGasRowLabels(molar)[8], " Молярная доля метана (CH4), %");
    EXPECT_EQ(currentGasRowLabels(volumeKcal)[8], " Объемная доля метана (CH4), %");
    EXPECT_EQ(currentGasRowLabels(molar)[11], " Удельная Тсг высшая <реального газа>, МДж/м3");
    EXPECT_EQ(currentGasRowLabels(volumeKcal)[11], " Удельная Тсг высшая <реального газа>, ккал/м3");
    EXPECT_EQ(currentCalculationLabel(molar), "Расчет по ДСТУ ИСО");
    EXPECT_EQ(currentCalculationLabel(ReportSettings::fromBytes(QByteArray("\0\0\1", 3))), "Расчет по ГОСТ");
}

TEST(CurrentData, MoistureRowsFollowTheMeterType)
{
    EXPECT_EQ(moistureRowLabels(0).size(), 5);
    EXPECT_EQ(moistureRowLabels(0)[4], " PV25 – Избыточное давление газа HDP,  bar");
    EXPECT_EQ(moistureRowLabels(1)[4], " PV25 – Избыточное давление  газа HDP,  bar");
    EXPECT_EQ(moistureRowLabels(2).size(), 4);
    EXPECT_EQ(moistureRowLabels(2)[2], " PV23 – Давление газа,  bar");
    EXPECT_EQ(moistureRowLabels(200)[2], " PV23 – Избыточное давление газа WDP,  bar");

    const QByteArray table = floats(Stamp, {-12.5f, 0.0f, std::numeric_limits<float>::quiet_NaN(), 0.00012f, 40.0f});
    const QStringList five = moistureValueTexts(table, 0);
    ASSERT_EQ(five.size(), 5);
    EXPECT_EQ(five[2], "   ?");
    EXPECT_TRUE(five[0].startsWith("  -12.5")) << five[0].toStdString();
    EXPECT_EQ(moistureValueTexts(table, 2).size(), 4);
    EXPECT_EQ(moistureValueTexts(table.left(12), 0)[1], "   ?") << "a short table has no value";
}

TEST(ControllerState, TheStatusWordsAreSwappedOnlyForTheHighByteFirstOrder)
{
    std::array<std::uint8_t, AbnormalFlags::Size> flags{};
    for (std::size_t i = 0; i < flags.size(); ++i)
        flags[i] = static_cast<std::uint8_t>(i);
    auto swapped = flags;
    AbnormalFlags::putWordsInOrder(swapped, 0);
    EXPECT_EQ(swapped[12], 13);
    EXPECT_EQ(swapped[13], 12);
    EXPECT_EQ(swapped[16], 17);
    EXPECT_EQ(swapped[17], 16);
    EXPECT_EQ(swapped[14], 14);
    EXPECT_EQ(swapped[10], 10);
    auto kept = flags;
    AbnormalFlags::putWordsInOrder(kept, 1);
    EXPECT_EQ(kept, flags);
    const std::array<std::uint8_t, 18> time = {26, 3, 15, 10, 5, 7};
    EXPECT_EQ(AbnormalFlags::changeTime(time), "15.03.26  10:05:07");
}

TEST(ControllerState, FlagsLinksAndFunctionsShowTheirWords)
{
    EXPECT_EQ(flagCell(0), (ColouredText{"Норма", CellColour::Black}));
    EXPECT_EQ(flagCell(0x40), (ColouredText{"Есть", CellColour::Red}));
    EXPECT_EQ(linkCell(1), (ColouredText{"Норма", CellColour::Black}));
    EXPECT_EQ(linkCell(0), (ColouredText{"Связи нет", CellColour::Red}));
    EXPECT_EQ(functionCell(0), "Невозможно");
    EXPECT_EQ(functionCell(2), "Возможно");
}

TEST(ControllerState, FlowComputerCountsAndRows)
{
    EXPECT_FALSE(FlowComputerExchange::countUsable(0));
    EXPECT_TRUE(FlowComputerExchange::countUsable(1));
    EXPECT_TRUE(FlowComputerExchange::countUsable(16));
    EXPECT_FALSE(FlowComputerExchange::countUsable(17));
    std::array<std::uint8_t, FlowComputerExchange::BlockSize> block{};
    block[1] = 42;
    block[16 + 1] = 1;
    block[32 + 0] = 1;
    const FlowComputerExchange exchange(block, 2);
    EXPECT_EQ(exchange.address(1), "42");
    EXPECT_EQ(exchange.link(0), (ColouredText{"Нет", CellColour::Red}));
    EXPECT_EQ(exchange.link(1), (ColouredText{"Есть", CellColour::Black}));
    EXPECT_EQ(exchange.writing(0), (ColouredText{"Записываются", CellColour::Black}));
    EXPECT_EQ(exchange.writing(1), (ColouredText{"Не записываются", CellColour::Red}));
}

TEST(ControllerState, TheLegendNamesTheFractionsChosen)
{
    const QStringList molar = legendLines(0);
    const QStringList volume = legendLines(1);
    ASSERT_EQ(molar.size(), 37);
    EXPECT_EQ(molar[0], " PV1  - Суммарная молярная доля гексана и б.т.с.");
    EXPECT_EQ(volume[0], " PV1  - Суммарная объемная доля гексана и б.т.с.");
    EXPECT_EQ(volume[8], " PV9  - Объемная доля метана (CH4)");
    EXPECT_EQ(volume[15], " PV16 - Сумма объемных долей всех компонентов");
    EXPECT_EQ(volume[29], " МД   - Молярная доля") << "the abbreviations stay";
    EXPECT_EQ(molar.last(), " с.у. - Стандартные условия");
}
