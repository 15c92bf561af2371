#include "support/flow_computer_records.h"
#include "tables/flow_computers.h"

#include <gtest/gtest.h>

namespace {

QByteArray passwordOf(const FlowComputer& record)
{
    return QByteArray(reinterpret_cast<const char*>(record.password.data()), FlowComputer::PasswordLength);
}

} // namespace

TEST(FlowComputerList, EveryRowIsCheckedTheLastIncludedAndARepeatedAddressIsNamed)
{
    EXPECT_EQ(FlowComputers::checkList({blankPasswordComputer(5), blankPasswordComputer(7), blankPasswordComputer(5)}),
              (InputProblem{"Повтор адреса 5", ""}));
    const InputProblem third{"Вычислитель № 3", "Неверно заданы параметры"};
    EXPECT_EQ(
        FlowComputers::checkList({blankPasswordComputer(5), blankPasswordComputer(7), blankPasswordComputer(9, 4)}),
        third);
    EXPECT_EQ(
        FlowComputers::checkList({blankPasswordComputer(5), blankPasswordComputer(7), blankPasswordComputer(255)}),
        third);
    FlowComputer badOrder = blankPasswordComputer(9);
    badOrder.byteOrder = 2;
    EXPECT_EQ(FlowComputers::checkList({blankPasswordComputer(5), blankPasswordComputer(7), badOrder}), third);
    EXPECT_EQ(FlowComputers::checkList({blankPasswordComputer(0)}),
              (InputProblem{"Вычислитель № 1", "Неверно заданы параметры"}));
    EXPECT_EQ(FlowComputers::checkList({blankPasswordComputer(1), blankPasswordComputer(254)}), std::nullopt);
}

TEST(FlowComputerList, PasswordFlagsFollowTheirRows)
{
    FlowComputerList list({blankPasswordComputer(1), blankPasswordComputer(2), blankPasswordComputer(3)});
    FlowComputer retyped = blankPasswordComputer(3);
    retyped.password.fill('x');
    list.change(2, retyped);
    list.change(0, blankPasswordComputer(11)); // a new address, the same password
    list.add(blankPasswordComputer(4));
    EXPECT_FALSE(list.passwordChanged(0));
    EXPECT_FALSE(list.passwordChanged(1));
    EXPECT_TRUE(list.passwordChanged(2));
    EXPECT_TRUE(list.passwordChanged(3)) << "an added flow computer's password is always written";

    list.remove(1);
    ASSERT_EQ(list.computers().size(), 3U);
    EXPECT_EQ(list.computers()[1].address, 3);
    EXPECT_TRUE(list.passwordChanged(1));
    EXPECT_TRUE(list.passwordChanged(2));
    EXPECT_FALSE(list.passwordChanged(3)) << "the place left at the end has no flag";

    FlowComputerList one({blankPasswordComputer(1)});
    EXPECT_FALSE(one.canRemove());
    one.remove(0);
    EXPECT_EQ(one.computers().size(), 1U);
    FlowComputerList full(std::vector<FlowComputer>(16, blankPasswordComputer(1)));
    EXPECT_FALSE(full.canAdd());
    full.add(blankPasswordComputer(2));
    EXPECT_EQ(full.computers().size(), 16U);
}

TEST(FlowComputerDialog, TypeOneWritesOnlyPipelineOneAndEveryCheckHasItsText)
{
    FlowComputer record = blankPasswordComputer(3);
    FlowComputerFields fields = flowComputerFields(record, false);
    fields.type = 1;
    fields.pipelines = {true, true, true};
    ASSERT_EQ(applyFlowComputerFields(fields, record), std::nullopt);
    EXPECT_EQ(record.pipelines, 0x01);
    EXPECT_FALSE(pipelineOffered(1, 1));
    EXPECT_TRUE(pipelineOffered(2, 2));

    const FlowComputer before = record;
    fields.address = "255";
    EXPECT_EQ(applyFlowComputerFields(fields, record), (InputProblem{"Адрес вне допускаемого диапазона", ""}));
    fields.address = "";
    EXPECT_EQ(applyFlowComputerFields(fields, record), (InputProblem{"Введены не все параметры", ""}));
    fields.address = "7";
    fields.byteOrder = -1;
    EXPECT_EQ(applyFlowComputerFields(fields, record), (InputProblem{"Введены не все параметры", ""}));
    EXPECT_EQ(record, before) << "a refusal stores nothing";
}

TEST(FlowComputerDialog, APasswordIsBlankPaddedWholeOrSplitIntoPasswordAndCode)
{
    FlowComputer record = blankPasswordComputer(3);
    FlowComputerFields fields = flowComputerFields(record, true);
    EXPECT_TRUE(fields.password.isEmpty());
    fields.password = "ABC";
    fields.code = "12";
    ASSERT_EQ(applyFlowComputerFields(fields, record), std::nullopt);
    EXPECT_EQ(passwordOf(record), "ABC         12  ");
    EXPECT_EQ(flowComputerFields(record, true).code, "12");
    EXPECT_EQ(flowComputerFields(record, false).password, "ABC         12");

    fields = flowComputerFields(record, false);
    fields.password = "SEVENTEEN-LETTERS";
    ASSERT_EQ(applyFlowComputerFields(fields, record), std::nullopt);
    EXPECT_EQ(passwordOf(record), "SEVENTEEN-LETTER");
}

TEST(FlowComputerList, RowsShowUnknownCodesAndTheMaskInHex)
{
    FlowComputer odd = blankPasswordComputer(12, 4, 0x0A);
    odd.byteOrder = 3;
    EXPECT_EQ(FlowComputers::rowTexts(odd), (QStringList{"12", " ?", " ?", "0x0A"}));
    EXPECT_EQ(FlowComputers::rowTexts(blankPasswordComputer(1, 1, 1))[2], " Мл. адрес - ст. байт");
}

TEST(FlowComputerList, TheImageTakesTheRecordsAndTheCountKeepsTheTemperatureSourceInTheList)
{
    ParamImage image;
    FlowComputer first = blankPasswordComputer(21, 2, 0x05);
    first.byteOrder = 1;
    first.password.fill('p');
    FlowComputers::intoImage({blankPasswordComputer(20), first}, image);
    const std::vector<FlowComputer> back = FlowComputers::fromImage(image, 2);
    ASSERT_EQ(back.size(), 2U);
    EXPECT_EQ(back[1].address, 21);
    EXPECT_EQ(back[1].pipelines, 0x05);
    EXPECT_EQ(back[1].byteOrder, 1);
    EXPECT_EQ(passwordOf(back[1]), QByteArray(16, ' ')) << "passwords are never read back";
    EXPECT_EQ(image.table(13)[16], 'p');
    EXPECT_EQ(FlowComputers::fromImage(image, 200).size(), 16U);

    image.table(9)[6] = 2;
    FlowComputers::intoPortTable(3, image.table(9));
    EXPECT_EQ(image.table(9)[0], 3);
    EXPECT_EQ(image.table(9)[6], 2);
    FlowComputers::intoPortTable(2, image.table(9));
    EXPECT_EQ(image.table(9)[6], 0) << "the temperature is read from a flow computer still in the list";
}
