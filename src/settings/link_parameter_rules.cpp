#include "settings/link_parameter_rules.h"

#include "settings/bit_rate_codes.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

struct RangeRule {
    const QString* field;
    const char* name; // line 1 of the message
    int minimum;
    int maximum;
};

bool serial(LinkKind kind)
{
    return kind != LinkKind::Ethernet;
}

} // namespace

LinkParameterFields linkParameterFields(const Settings& settings, LinkKind kind)
{
    const LinkRecord& link = kind == LinkKind::Direct  ? settings.direct
                             : kind == LinkKind::Modem ? settings.phone.link
                                                       : settings.ethernet.link;
    LinkParameterFields fields;
    fields.port = link.port;
    fields.bitRate = link.bitRate;
    fields.preambles = QString::number(link.preambles);
    fields.answerWaitS = QString::number(link.answerTimeoutS);
    fields.interByteMs = QString::number(link.interByteMs);
    fields.attempts = QString::number(link.attempts);
    fields.closePortAfterSession = settings.current.openPortPerRequest;
    fields.portOpenWaitS = QString::number(settings.current.portOpenWaitS);
    fields.modemCommand = settings.phone.command;
    fields.connectWaitS =
        QString::number(kind == LinkKind::Ethernet ? settings.ethernet.connectWaitS : settings.phone.connectWaitS);
    fields.connectAttempts =
        QString::number(kind == LinkKind::Ethernet ? settings.ethernet.connectAttempts : settings.phone.dialAttempts);
    fields.sendPauseMs = QString::number(settings.ethernet.sendPauseMs);
    return fields;
}

BitRateChoices bitRateChoices(int storedRate)
{
    BitRateChoices choices;
    for (int code = 0; code < BitRateCodes::Count; ++code)
        choices.rates.append(*bitRateOfCode(code));
    auto place = std::lower_bound(choices.rates.begin(), choices.rates.end(), storedRate);
    if (place == choices.rates.end() || *place != storedRate)
        place = choices.rates.insert(place, storedRate);
    choices.selected = static_cast<int>(place - choices.rates.begin());
    return choices;
}

InputCheck applyLinkParameters(const LinkParameterFields& fields, LinkKind kind, Settings& settings)
{
    const bool direct = kind == LinkKind::Direct;
    const bool withPortWait = direct && fields.closePortAfterSession;
    std::vector<RangeRule> rules = {
        {&fields.preambles, "Количество преамбул в запросе", 0, 255},
        {&fields.answerWaitS, "Время ожидания первого байта ответа", 1, 120},
        {&fields.interByteMs, "Время ожидания следующих байтов ответа", 55, 5000},
        // Without an attempt no request would ever be sent, and the count is one byte.
        {&fields.attempts, "Количество попыток запроса", 1, 255},
    };
    if (withPortWait)
        rules.push_back({&fields.portOpenWaitS, "Время ожидания освобождения СОМ порта", 1, 20});
    if (!direct) {
        rules.push_back({&fields.connectWaitS, "Ожидание соединения", 1, 360});
        rules.push_back({&fields.connectAttempts, "Количество попыток соединения", 1, 10});
    }
    if (kind == LinkKind::Ethernet)
        rules.push_back({&fields.sendPauseMs, "Пауза перед передачей запроса", 0, MaxSendPauseMs});

    for (const RangeRule& rule : rules)
        if (rule.field->trimmed().isEmpty())
            return InputProblem{QStringLiteral("Введены не все параметры"), {}};
    std::vector<int> values;
    for (const RangeRule& rule : rules) {
        bool ok = false;
        const int value = rule.field->trimmed().toInt(&ok);
        if (!ok || value < rule.minimum || value > rule.maximum)
            return InputProblem{QString::fromUtf8(rule.name), QStringLiteral("Параметр вне допустимого диапазона")};
        values.push_back(value);
    }

    LinkRecord& link = direct                    ? settings.direct
                       : kind == LinkKind::Modem ? settings.phone.link
                                                 : settings.ethernet.link;
    if (serial(kind)) {
        link.port = static_cast<std::uint8_t>(fields.port);
        link.bitRate = fields.bitRate;
    }
    link.preambles = static_cast<std::uint8_t>(values[0]);
    link.answerTimeoutS = values[1];
    link.interByteMs = values[2];
    link.attempts = static_cast<std::uint8_t>(values[3]);
    if (direct) {
        settings.current.openPortPerRequest = fields.closePortAfterSession;
        if (withPortWait)
            settings.current.portOpenWaitS = values[4];
    } else if (kind == LinkKind::Modem) {
        settings.phone.command = fields.modemCommand;
        settings.phone.connectWaitS = values[4];
        settings.phone.dialAttempts = values[5];
    } else {
        settings.ethernet.connectWaitS = values[4];
        settings.ethernet.connectAttempts = values[5];
        settings.ethernet.sendPauseMs = values[6];
    }
    return std::nullopt;
}

QString linkParametersCaption(LinkKind kind)
{
    switch (kind) {
    case LinkKind::Modem:
        return QStringLiteral("Параметры связи с устройством (связь по телефону)");
    case LinkKind::Ethernet:
        return QStringLiteral("Параметры связи с устройством (Ethernet-интерфейс)");
    case LinkKind::Direct:
        break;
    }
    return QStringLiteral("Параметры связи с устройством (непосредственная связь)");
}
