#include "tables/flow_computer_port.h"
#include "tables/port_choices.h"

#include <gtest/gtest.h>

namespace {

// A new configuration: one flow computer, 9600 bit/s, 5 failed exchanges, 2 s,
// 3 preambles, hourly means written on deviation, temperature from flow computer 0, pipeline 1.
const QByteArray NewConfiguration = QByteArray::fromHex("010b051403010001");

InputCheck refusal(const FlowComputerPortFields& fields)
{
    QByteArray table = NewConfiguration;
    const InputCheck problem = applyFlowComputerPort(fields, table);
    EXPECT_EQ(table, NewConfiguration) << "nothing stored";
    return problem;
}

} // namespace

TEST(FlowComputerPort, TheChoicesStoreEveryByte)
{
    FlowComputerPortFields fields = flowComputerPortFields(NewConfiguration);
    EXPECT_EQ(fields, (FlowComputerPortFields{"1", 11, 4, 19, "3", 1, 0, 0}));

    fields = {"16", 21, 9, 254, "255", 3, 15, 2};
    QByteArray table = NewConfiguration;
    EXPECT_EQ(applyFlowComputerPort(fields, table), std::nullopt);
    EXPECT_EQ(table, QByteArray::fromHex("10150affff030f03"));
    EXPECT_TRUE(flowComputerCountRaised(NewConfiguration, table));
    EXPECT_FALSE(flowComputerCountRaised(table, NewConfiguration));
    EXPECT_FALSE(flowComputerCountRaised(table, table));
}

TEST(FlowComputerPort, TheCountMustBeOneTheControllerHolds)
{
    const InputProblem count{"Количество вычислителей должно быть", "в диапазоне 1...16"};
    FlowComputerPortFields fields = flowComputerPortFields(NewConfiguration);
    fields.count = "17";
    EXPECT_EQ(refusal(fields), count);
    fields.count = "0";
    EXPECT_EQ(refusal(fields), count);
    fields.count = "";
    EXPECT_EQ(refusal(fields), PortChoice::notAllEntered());

    EXPECT_TRUE(temperatureSourceItems("200").isEmpty());
    EXPECT_EQ(temperatureSourceItems("3"), (QStringList{"0", "1", "2"}));
    // A stored count of 200 sizes nothing: the source shows no selection.
    const FlowComputerPortFields foreign = flowComputerPortFields(QByteArray::fromHex("c80b051403010501"));
    EXPECT_EQ(foreign.count, "200");
    EXPECT_EQ(foreign.temperatureSource, -1);
}

TEST(FlowComputerPort, ChecksComeInTheDialogsOrder)
{
    const InputProblem preambles{"Количество преамбул не должно превышать 255", {}};
    const FlowComputerPortFields valid = flowComputerPortFields(NewConfiguration);
    FlowComputerPortFields fields = valid;
    fields.preambles = "256";
    EXPECT_EQ(refusal(fields), preambles);
    fields.temperatureSource = 1;
    EXPECT_EQ(refusal(fields), PortChoice::notAllEntered()) << "flow computer 1 of a single one";
    fields.count = "17";
    EXPECT_EQ(refusal(fields), (InputProblem{"Количество вычислителей должно быть", "в диапазоне 1...16"}));
    fields.writeMode = -1;
    EXPECT_EQ(refusal(fields), PortChoice::notAllEntered()) << "no write mode";

    fields = valid;
    fields.preambles = "0";
    QByteArray table = NewConfiguration;
    EXPECT_EQ(applyFlowComputerPort(fields, table), std::nullopt);
    EXPECT_EQ(table[4], 0);
}

TEST(FlowComputerPort, StoredBytesPastTheListsShowNoSelection)
{
    // Rate code 22, 0 failed exchanges, time-out 0, write mode 4, pipeline 4.
    const FlowComputerPortFields fields = flowComputerPortFields(QByteArray::fromHex("0216000003040104"));
    EXPECT_EQ(fields, (FlowComputerPortFields{"2", -1, -1, -1, "3", -1, 1, -1}));
    EXPECT_EQ(flowComputerWriteModeItems().size(), 4);
}
