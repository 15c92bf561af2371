#include "base/integer_keys.h"
#include "settings/link_panels.h"
#include "base/message_dialog.h"

#include <gtest/gtest.h>

TEST(MessageDialog, HeightFollowsWhichLinesHaveText)
{
    EXPECT_EQ(messageDialogContent(MessageKind::Information, "Первая", "").height, 124);
    EXPECT_EQ(messageDialogContent(MessageKind::Information, "Первая", "Вторая").height, 150);
    EXPECT_EQ(messageDialogContent(MessageKind::Retry, "Первая", "").height, 175);
    EXPECT_EQ(messageDialogContent(MessageKind::ArchiveDatesChanged, "", "").height, 150);
    EXPECT_EQ(messageDialogContent(MessageKind::ArchiveDatesChanged, "Продолжить", "").height, 175);
}

TEST(MessageDialog, WidthFitsTheLongestTextButNeverNarrowerThanTheButtons)
{
    EXPECT_EQ(messageDialogContent(MessageKind::Error, "Да", "").width, 2 * 75 + 60);
    const QString longLine(40, u'ж');
    const MessageDialogContent content = messageDialogContent(MessageKind::Information, longLine, "");
    EXPECT_EQ(content.width, 40 * 10 + 20);
    EXPECT_EQ(content.lineWidth(), content.width - 14);
    // The caption counts too.
    EXPECT_EQ(messageDialogContent(MessageKind::ExchangeResult, "1", "").width, 30 * 10 + 20);
}

TEST(MessageDialog, KindsSetCaptionThirdLineAndButtons)
{
    const MessageDialogContent retry =
        messageDialogContent(MessageKind::Retry, "Команда 1.  Устройство не отвечает", "");
    EXPECT_TRUE(retry.caption.isEmpty());
    EXPECT_EQ(retry.lines[2], "Повторить попытку?");
    EXPECT_TRUE(retry.asksYesNo);

    const MessageDialogContent dates =
        messageDialogContent(MessageKind::ArchiveDatesChangedQuestion, "Продолжить?", "x");
    EXPECT_EQ(dates.lines[0], "За время работы оператора изменились даты");
    EXPECT_EQ(dates.lines[1], "самой старой  и последней записей в архиве.");
    EXPECT_EQ(dates.lines[2], "Продолжить?");
    EXPECT_TRUE(dates.asksYesNo);

    EXPECT_EQ(messageDialogContent(MessageKind::InputError, "", "").caption, "Ошибка ввода параметров");
    EXPECT_EQ(messageDialogContent(MessageKind::SeeControllerState, "", "").lines[2],
              "(см. текущее состояние контроллера)");
    EXPECT_FALSE(messageDialogContent(MessageKind::CertificateImpossible, "", "").asksYesNo);
}

TEST(IntegerKeys, DigitsBackspacePercentAndApostropheOnly)
{
    for (QChar typed : QStringLiteral("0123456789\b%'"))
        EXPECT_TRUE(integerKeyAccepted(typed)) << int(typed.unicode());
    for (QChar typed : QStringLiteral("-+.,eaЖ \t"))
        EXPECT_FALSE(integerKeyAccepted(typed)) << int(typed.unicode());
}

TEST(LinkPanels, EachLinkKindShowsItsOwnSettings)
{
    SettingsBlock block;
    block.gqcIni.direct = LinkRecord{4, 7, 9600, 5, 1, 100, 2};
    LinkPanelTexts texts = linkPanelTexts(block);
    EXPECT_EQ(texts.port, " COM4,   9600 бит/с");
    EXPECT_EQ(texts.address, " Адр. 7");
    EXPECT_TRUE(texts.subscriber.isEmpty());

    block.gqcIni.current.linkKind = LinkKind::Modem;
    EXPECT_TRUE(linkPanelTexts(block).port.isEmpty()) << "an empty telephone list shows nothing";
    block.phoneList.count = 1;
    block.phoneList.entries[0] = {"ГРС-1", 12, 1, "80561234567"};
    texts = linkPanelTexts(block);
    EXPECT_EQ(texts.port, " COM1,   38400 бит/с");
    EXPECT_EQ(texts.address, " Адр. 12");
    EXPECT_EQ(texts.subscriber, " ГРС-1 (тел. 80561234567)");

    block.gqcIni.current.linkKind = LinkKind::Ethernet;
    block.ethernetList.count = 1;
    block.ethernetList.entries[0] = {"Узел", 9, 0x0A000102, 502};
    texts = linkPanelTexts(block);
    EXPECT_TRUE(texts.port.isEmpty());
    EXPECT_EQ(texts.address, " Адр. 9");
    EXPECT_EQ(texts.subscriber, " Узел (IP-адр. 10.0.1.2)");
}
