#include "link/modem_results.h"

#include "base/text_contains.h"

#include <QStringList>
#include <array>
#include <utility>

QString dialResultText(int code)
{
    static const QStringList texts{
        QStringLiteral("Соединение установлено"),
        QStringLiteral("Отсутствует сигнал АТС"),
        QStringLiteral("Номер абонента занят"),
        QStringLiteral("Потеря несущей"),
        QStringLiteral("Нет гудка в линии"),
        QStringLiteral("Абонент не отвечает"),
        QStringLiteral("Лимит времени, отведенного на соединение, исчерпан"),
        QStringLiteral("Модем отсутствует или не подключен"),
        QStringLiteral("Соединение не установлено"),
        QStringLiteral("Истекло время ожидания ответа от модема"),
        QStringLiteral("Попытка соединения прервана по требованию пользователя"),
        QStringLiteral("Нет готовности GSM"),
    };
    return texts.value(code);
}

int classifyModemReply(QByteArrayView reply)
{
    // Checked in this order, in capitals and in small letters. A missing dial
    // tone comes as "NO DIALTONE" (or "NO DIAL TONE"); the transposed spelling
    // "DAIL" is taken the same way.
    static const std::array<std::pair<QByteArrayView, int>, 14> words{{
        {"ERRO", DialResult::NoLineTone},
        {"erro", DialResult::NoLineTone},
        {"Time", DialResult::TimeLimit},
        {"DAIL", DialResult::NoExchangeSignal},
        {"dail", DialResult::NoExchangeSignal},
        {"DIAL", DialResult::NoExchangeSignal},
        {"dial", DialResult::NoExchangeSignal},
        {"NO CARRI", DialResult::CarrierLost},
        {"no carri", DialResult::CarrierLost},
        {"BUSY", DialResult::Busy},
        {"busy", DialResult::Busy},
        {"ANSW", DialResult::NoAnswer},
        {"answ", DialResult::NoAnswer},
        {EscapeReply, DialResult::Interrupted},
    }};
    for (const auto& [word, result] : words) {
        if (textContains(reply, word))
            return result;
    }
    return DialResult::Connected;
}
