#include "settings/link_parameter_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

void PrintTo(const InputProblem& problem, std::ostream* out)
{
    *out << '"' << problem.line1.toStdString() << "\" / \"" << problem.line2.toStdString() << '"';
}

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

TEST(LinkParameters, TheSendPauseIsAnEthernetItemFrom0To5000)
{
    Settings settings;
    LinkParameterFields fields = linkParameterFields(settings, LinkKind::Ethernet);
    EXPECT_EQ(fields.sendPauseMs, "500");
    const InputProblem outside = outOfRange("Пауза перед передачей запроса");
    fields.sendPauseMs = "5001";
    EXPECT_EQ(applyLinkParameters(fields, LinkKind::Ethernet, settings), outside);
    fields.sendPauseMs = "-1";
    EXPECT_EQ(applyLinkParameters(fields, LinkKind::Ethernet, settings), outside);
    EXPECT_EQ(settings.ethernet.sendPauseMs, 500) << "nothing is stored from a refused dialog";
    fields.sendPauseMs = "";
    EXPECT_EQ(applyLinkParameters(fields, LinkKind::Ethernet, settings),
              (InputProblem{"Введены не все параметры", ""}));
    fields.sendPauseMs = "0";
    EXPECT_FALSE(applyLinkParameters(fields, LinkKind::Ethernet, settings));
    EXPECT_EQ(settings.ethernet.sendPauseMs, 0);

    // A serial link neither shows nor checks it.
    LinkParameterFields direct = linkParameterFields(settings, LinkKind::Direct);
    direct.sendPauseMs = "x";
    EXPECT_FALSE(applyLinkParameters(direct, LinkKind::Direct, settings));
    EXPECT_EQ(settings.ethernet.sendPauseMs, 0);
}

TEST(LinkParameters, EveryFieldIsCheckedFilledBeforeAnyRangeThenRangesGoInTheDialogsOrder)
{
    const InputProblem notAll{"Введены не все параметры", ""};
    Settings settings;
    LinkParameterFields fields = linkParameterFields(settings, LinkKind::Modem);
    fields.preambles = "256";
    fields.interByteMs = "54";
    fields.attempts = "0";
    fields.connectWaitS = "361";
    fields.connectAttempts = " ";
    EXPECT_EQ(applyLinkParameters(fields, LinkKind::Modem, settings), notAll) << "a blank last field comes first";

    // Each fix uncovers the next violation in the dialog's order.
    fields.connectAttempts = "0";
    const struct {
        QString* field;
        const char* name;
        const char* fix;
    } violations[] = {
        {&fields.preambles, "Количество преамбул в запросе", "5"},
        {&fields.interByteMs, "Время ожидания следующих байтов ответа", "100"},
        {&fields.attempts, "Количество попыток запроса", "1"},
        {&fields.connectWaitS, "Ожидание соединения", "60"},
        {&fields.connectAttempts, "Количество попыток соединения", "3"},
    };
    for (const auto& violation : violations) {
        EXPECT_EQ(applyLinkParameters(fields, LinkKind::Modem, settings), outOfRange(violation.name));
        *violation.field = violation.fix;
    }
    EXPECT_FALSE(applyLinkParameters(fields, LinkKind::Modem, settings));

    LinkParameterFields direct = linkParameterFields(settings, LinkKind::Direct);
    direct.closePortAfterSession = true;
    direct.portOpenWaitS = "";
    direct.answerWaitS = "0";
    EXPECT_EQ(applyLinkParameters(direct, LinkKind::Direct, settings), notAll);
    direct.portOpenWaitS = "21";
    EXPECT_EQ(applyLinkParameters(direct, LinkKind::Direct, settings),
              outOfRange("Время ожидания первого байта ответа"));
    direct.answerWaitS = "1";
    EXPECT_EQ(applyLinkParameters(direct, LinkKind::Direct, settings),
              outOfRange("Время ожидания освобождения СОМ порта"));
}

TEST(LinkParameters, AListedRateIsSelectedAmongTheTwentyTwo)
{
    const BitRateChoices choices = bitRateChoices(9600);
    ASSERT_EQ(choices.rates.size(), 22);
    EXPECT_EQ(choices.rates.front(), 300);
    EXPECT_EQ(choices.rates.back(), 230400);
    EXPECT_EQ(choices.rates[choices.selected], 9600);
    EXPECT_EQ(choices.selected, 11);
}

TEST(LinkParameters, AnUnlistedStoredRateIsOfferedAtItsPlaceAndKeptWhenAccepted)
{
    const struct {
        int stored;
        int place;
    } cases[] = {{4000, 6}, {100, 0}, {460800, 22}};
    for (const auto& each : cases) {
        const BitRateChoices choices = bitRateChoices(each.stored);
        ASSERT_EQ(choices.rates.size(), 23) << each.stored;
        EXPECT_EQ(choices.selected, each.place) << each.stored;
        EXPECT_EQ(choices.rates[each.place], each.stored);
        EXPECT_TRUE(std::is_sorted(choices.rates.begin(), choices.rates.end())) << each.stored;
    }

    Settings settings;
    settings.phone.link.bitRate = 4000;
    LinkParameterFields fields = linkParameterFields(settings, LinkKind::Modem);
    const BitRateChoices offered = bitRateChoices(fields.bitRate);
    fields.bitRate = offered.rates[offered.selected]; // what the dialog hands back untouched
    EXPECT_FALSE(applyLinkParameters(fields, LinkKind::Modem, settings));
    EXPECT_EQ(settings.phone.link.bitRate, 4000);
}

} // namespace
