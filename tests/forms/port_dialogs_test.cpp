#include "dialog_widgets.h"
#include "forms/tformconeth.h"
#include "forms/tformconmodbus.h"
#include "forms/tformconvich.h"
#include "forms/tformconvu.h"
#include "support/scripted_operator.h"

#include <gtest/gtest.h>

#include <QComboBox>

namespace {

std::span<std::uint8_t> spanOf(QByteArray& bytes)
{
    return {reinterpret_cast<std::uint8_t*>(bytes.data()), static_cast<std::size_t>(bytes.size())};
}

} // namespace

TEST(PortDialogs, TheUpperLevelPortKeepsItsRateWhenTheRateCannotChange)
{
    ScriptedOperator person;
    QByteArray table = QByteArray::fromHex("010b0300");
    TFormConVU dialog(spanOf(table), false, TableEditing::Controller, person);
    EXPECT_FALSE(child<QComboBox>(dialog, "bitRate")->isEnabled());
    EXPECT_EQ(child<QComboBox>(dialog, "bitRate")->currentText(), "9600");
    typeInto(dialog, "address", "255");
    ASSERT_TRUE(clickButton(dialog, "Записать в устройство"));
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line2, "в диапазоне 1...254");
    EXPECT_EQ(table, QByteArray::fromHex("010b0300"));
    typeInto(dialog, "address", "7");
    ASSERT_TRUE(clickButton(dialog, "Записать в устройство"));
    EXPECT_EQ(table, QByteArray::fromHex("070b0300"));
}

TEST(PortDialogs, TheChromatographsAddressStopsAt247)
{
    ScriptedOperator person;
    QByteArray table = QByteArray::fromHex("010b000096050200");
    TFormConHGC dialog(spanOf(table), TableEditing::Configuration, person);
    child<QComboBox>(dialog, "address")->setCurrentText("248");
    ASSERT_TRUE(clickButton(dialog, "Принять"));
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line2, "в диапазоне 1...247");
    child<QComboBox>(dialog, "bitRate")->setCurrentText("230400");
    child<QComboBox>(dialog, "address")->setCurrentText("247");
    ASSERT_TRUE(clickButton(dialog, "Принять"));
    EXPECT_EQ(table.left(2), QByteArray::fromHex("f715"));
}

TEST(PortDialogs, TheMoistureMeterPortShowsNoRateNorParity)
{
    ScriptedOperator person;
    QByteArray table = QByteArray::fromHex("010b000096050000");
    TFormConWMT dialog(spanOf(table), TableEditing::Controller, person);
    EXPECT_EQ(child<QComboBox>(dialog, "bitRate"), nullptr);
    EXPECT_EQ(child<QComboBox>(dialog, "parity"), nullptr);
}

TEST(PortDialogs, AnotherFlowComputerCountOffersItsOwnTemperatureSources)
{
    ScriptedOperator person;
    QByteArray table = QByteArray::fromHex("030b051403010201");
    TFormConVich dialog(spanOf(table), TableEditing::Controller, person);
    auto* source = child<QComboBox>(dialog, "temperatureSource");
    EXPECT_EQ(source->count(), 3);
    EXPECT_EQ(source->currentIndex(), 2);
    child<QComboBox>(dialog, "count")->setCurrentText("2");
    EXPECT_EQ(source->count(), 2);
    EXPECT_EQ(source->currentIndex(), -1) << "the third flow computer is gone";
}

TEST(PortDialogs, AnOctetAbove255IsRefusedNotCut)
{
    ScriptedOperator person;
    QByteArray table(28, '\0');
    TFormConEth dialog(spanOf(table), TableEditing::Controller, person);
    typeInto(dialog, "ip0", "300");
    ASSERT_TRUE(clickButton(dialog, "Записать в устройство"));
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "IP-адрес контроллера");
    EXPECT_EQ(table, QByteArray(28, '\0'));
}
