#include "settings/link_parameter_rules.h"

#include <gtest/gtest.h>

namespace {

InputProblem outOfRange(const char* name)
{
    return {QString::fromUtf8(name), "Параметр вне допустимого диапазона"};
}

TEST(LinkParameters, InterByteWaitOf54IsRefusedAnd55Accepted)
{
    Settings settings;
    LinkParameterFields fields = linkParameterFields(settings, LinkKind::Direct);
    fields.interByteMs = "54";
    EXPECT_EQ(applyLinkParameters(fields, LinkKind::Direct, settings),
              outOfRange("Время ожидания следующих байтов ответа"));
    EXPECT_EQ(settings.direct.interByteMs, 100) << "nothing is stored";
    fields.interByteMs = "55";
    EXPECT_FALSE(applyLinkParameters(fields, LinkKind::Direct, settings));
    EXPECT_EQ(settings.direct.interByteMs, 55);
}

TEST(LinkParameters, FirstViolationInTheDialogsOrderIsReported)
{
    Settings settings;
    LinkParameterFields fields = linkParameterFields(settings, LinkKind::Modem);
    fields.connectAttempts = "11";
    fields.answerWaitS = "121";
    EXPECT_EQ(applyLinkParameters(fields, LinkKind::Modem, settings),
              outOfRange("Время ожидания первого байта ответа"));
    fields.answerWaitS = "120";
    EXPECT_EQ(applyLinkParameters(fields, LinkKind::Modem, settings), outOfRange("Количество попыток соединения"));
    fields.connectWaitS = "";
    EXPECT_EQ(applyLinkParameters(fields, LinkKind::Modem, settings), (InputProblem{"Введены не все параметры", ""}));
}

TEST(LinkParameters, PortWaitIsCheckedOnlyForADirectLineThatReleasesThePort)
{
    Settings settings;
    LinkParameterFields fields = linkParameterFields(settings, LinkKind::Direct);
    fields.portOpenWaitS = "21";
    EXPECT_FALSE(applyLinkParameters(fields, LinkKind::Direct, settings)) << "the field is disabled";
    fields.closePortAfterSession = true;
    EXPECT_EQ(applyLinkParameters(fields, LinkKind::Direct, settings),
              outOfRange("Время ожидания освобождения СОМ порта"));
    fields.portOpenWaitS = "20";
    fields.port = 7;
    fields.bitRate = 9600;
    EXPECT_FALSE(applyLinkParameters(fields, LinkKind::Direct, settings));
    EXPECT_TRUE(settings.current.openPortPerRequest);
    EXPECT_EQ(settings.current.portOpenWaitS, 20);
    EXPECT_EQ(settings.direct.port, 7);
    EXPECT_EQ(settings.direct.bitRate, 9600);
}

TEST(LinkParameters, EthernetStoresItsOwnConnectItems)
{
    Settings settings;
    LinkParameterFields fields = linkParameterFields(settings, LinkKind::Ethernet);
    fields.connectWaitS = "30";
    fields.attempts = "0";
    EXPECT_EQ(applyLinkParameters(fields, LinkKind::Ethernet, settings), outOfRange("Количество попыток запроса"));
    fields.attempts = "3";
    EXPECT_FALSE(applyLinkParameters(fields, LinkKind::Ethernet, settings));
    EXPECT_EQ(settings.ethernet.connectWaitS, 30);
    EXPECT_EQ(settings.ethernet.link.attempts, 3);
    EXPECT_EQ(settings.phone.connectWaitS, 50);
}

} // namespace
