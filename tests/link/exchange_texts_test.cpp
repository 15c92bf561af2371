#include "link/exchange_texts.h"

#include <gtest/gtest.h>

TEST(ExchangeTexts, EachStatusHasTheProtocolsNumberAndText)
{
    const struct {
        ExchangeStatus status;
        int code;
        const char* text;
    } table[] = {
        {ExchangeStatus::Done, 0, "Команда выполнена"},
        {ExchangeStatus::BadStartSymbol, 1, "Неверно задан стартовый символ"},
        {ExchangeStatus::BadFunctionCode, 2, "Неверно задан код функции"},
        {ExchangeStatus::WriteFailed, 3, "Сбой при выполнении операции записи"},
        {ExchangeStatus::AnswerIncomplete, 5, "Ответ получен не полностью (превышено время между байтами)"},
        {ExchangeStatus::PortUnavailable, 6, "Коммуникационный порт COM%d недоступен"},
        {ExchangeStatus::AnswerChecksum, 7, "Несовпадение КС ответа контроллера"},
        {ExchangeStatus::ControllerError, 8, ""},
        {ExchangeStatus::NoAnswer, 10, "Устройство не отвечает"},
        {ExchangeStatus::Aborted, 19, "Обмен прерван по признаку завершения работы программы"},
        {ExchangeStatus::EthernetSendFailed, 20, "Ithernet. Не выполнена команда send (посылка запроса)"},
        {ExchangeStatus::EthernetReceiveFailed, 21, "Ithernet. Не выполнена команда recv (чтение ответа на запрос)"},
    };
    for (const auto& row : table) {
        EXPECT_EQ(exchangeStatusCode(row.status), row.code);
        EXPECT_EQ(exchangeStatusText(row.status), QString::fromUtf8(row.text)) << row.code;
    }
}

TEST(ExchangeTexts, ControllerErrorCodesOneToSixtyFourHaveTextsOthersTheirNumber)
{
    EXPECT_EQ(controllerErrorText(1), "Неизвестный код команды");
    EXPECT_EQ(controllerErrorText(33), "Пользователь с таким именем уже есть ");
    EXPECT_EQ(controllerErrorText(38), "Переход в режим работы \"Автомат\" невозможен");
    EXPECT_EQ(controllerErrorText(64), "Программа разрушена или установлена перемычка");
    EXPECT_EQ(controllerErrorText(0), "Код ошибки = 0");
    EXPECT_EQ(controllerErrorText(65), "Код ошибки = 65");
}
