#include "base/integer_keys.h"
#include "base/message_dialog.h"
#include "settings/link_panels.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int kindCount = 11;

bool isOneOf(MessageKind kind, std::initializer_list<MessageKind> kinds)
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

} // namespace

TEST(MessageDialog, EachKindHasItsCaptionThirdLineAndButtons)
{
    for (int number = 1; number <= kindCount; ++number) {
        const auto kind = static_cast<MessageKind>(number);
        const MessageDialogContent content = messageDialogContent(kind, "Строка 1", "Строка 2");
        EXPECT_EQ(!content.caption.isEmpty(),
                  isOneOf(kind, {MessageKind::Error, MessageKind::InputError, MessageKind::ExchangeResult}))
            << number;
        EXPECT_EQ(!content.lines[2].isEmpty(),
                  isOneOf(kind, {MessageKind::SeeControllerState, MessageKind::Retry, MessageKind::CreateDailyReport,
                                 MessageKind::ArchiveDatesChanged, MessageKind::ArchiveDatesChangedQuestion,
                                 MessageKind::CertificateImpossible}))
            << number;
        const bool question = isOneOf(kind, {MessageKind::Question, MessageKind::Retry, MessageKind::CreateDailyReport,
                                             MessageKind::ArchiveDatesChangedQuestion});
        EXPECT_EQ(content.asksYesNo, question) << number;
        EXPECT_EQ(asksYesNo(kind), question) << number;
        if (!isOneOf(kind, {MessageKind::ArchiveDatesChanged, MessageKind::ArchiveDatesChangedQuestion})) {
            EXPECT_EQ(content.lines[0], "Строка 1") << number;
            EXPECT_EQ(content.lines[1], "Строка 2") << number;
        }
    }

    EXPECT_EQ(messageDialogContent(MessageKind::Error, "", "").caption, "Ошибка");
    EXPECT_EQ(messageDialogContent(MessageKind::InputError, "", "").caption, "Ошибка ввода параметров");
    EXPECT_EQ(messageDialogContent(MessageKind::ExchangeResult, "", "").caption, "Результат обмена с устройством");
    EXPECT_EQ(messageDialogContent(MessageKind::SeeControllerState, "", "").lines[2],
              "(см. текущее состояние контроллера)");
    EXPECT_EQ(messageDialogContent(MessageKind::Retry, "Команда 1.  Устройство не отвечает", "").lines[2],
              "Повторить попытку?");
    EXPECT_EQ(messageDialogContent(MessageKind::CreateDailyReport, "", "").lines[2], "Создавать суточный отчет?");
    EXPECT_EQ(messageDialogContent(MessageKind::CertificateImpossible, "", "").lines[2],
              "Суточный сертификат не может быть создан");
}

TEST(MessageDialog, TheArchiveDatesKindsShowTheirOwnTwoLinesAndTheCallersFirstBelow)
{
    for (const MessageKind kind : {MessageKind::ArchiveDatesChanged, MessageKind::ArchiveDatesChangedQuestion}) {
        const MessageDialogContent content = messageDialogContent(kind, "Продолжить?", "не показана");
        EXPECT_EQ(content.lines[0], "За время работы оператора изменились даты");
        EXPECT_EQ(content.lines[1], "самой старой  и последней записей в архиве.");
        EXPECT_EQ(content.lines[2], "Продолжить?");
    }
}

TEST(MessageDialog, TheWindowIsTallerForEachFurtherLineOfText)
{
    const int oneLine = messageDialogContent(MessageKind::Information, "Первая", "").height;
    const int twoLines = messageDialogContent(MessageKind::Information, "Первая", "Вторая").height;
    const int threeLines = messageDialogContent(MessageKind::Retry, "Первая", "Вторая").height;
    EXPECT_LT(oneLine, twoLines);
    EXPECT_LT(twoLines, threeLines);
    EXPECT_EQ(twoLines, 150) << "kind 6 with two lines";
    EXPECT_EQ(messageDialogContent(MessageKind::Retry, "Первая", "").height, 175)
        << "kind 7 with an empty second line: its own third line counts";
    EXPECT_EQ(messageDialogContent(MessageKind::Information, QString(60, u'ж'), "").height, oneLine)
        << "a longer line makes the window wider, not taller";
    EXPECT_EQ(messageDialogContent(MessageKind::ArchiveDatesChanged, "", "").height, twoLines);
    EXPECT_EQ(messageDialogContent(MessageKind::ArchiveDatesChanged, "Продолжить", "").height, threeLines);
}

TEST(MessageDialog, TheWindowWidensWithItsLongestTextButKeepsRoomForBothButtons)
{
    const int buttons = 2 * MessageDialogContent::buttonWidth;
    int previous = 0;
    for (int length = 0; length <= 60; ++length) {
        const MessageDialogContent content = messageDialogContent(MessageKind::Question, "", QString(length, u'ж'));
        EXPECT_GE(content.width, buttons + 60) << length;
        EXPECT_GE(content.width, previous) << length;
        EXPECT_GE(content.lineWidth(), 10 * length) << "the text fits its line";
        EXPECT_LT(content.lineWidth(), content.width);
        previous = content.width;
    }
    EXPECT_EQ(messageDialogContent(MessageKind::Question, "", "").width, buttons + 60);
    EXPECT_GT(previous, messageDialogContent(MessageKind::Question, "", QString(59, u'ж')).width)
        << "past the buttons' width every character counts";

    // Whichever text is longest sets the width: a line, or the caption.
    const QString longLine(40, u'ж');
    const int wide = messageDialogContent(MessageKind::Information, longLine, "").width;
    EXPECT_EQ(messageDialogContent(MessageKind::Information, "", longLine).width, wide);
    EXPECT_EQ(messageDialogContent(MessageKind::Information, "1", "").width,
              messageDialogContent(MessageKind::Information, "", "").width);
    EXPECT_GT(messageDialogContent(MessageKind::ExchangeResult, "1", "").width,
              messageDialogContent(MessageKind::Information, "1", "").width)
        << "the caption counts";
    EXPECT_GT(messageDialogContent(MessageKind::CertificateImpossible, "1", "").width,
              messageDialogContent(MessageKind::Information, "1", "").width)
        << "the kind's own third line counts";
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
