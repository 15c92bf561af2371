#include "archives/wmt_columns.h"

QList<QStringList> wmtColumnCaptions()
{
    return {{QStringLiteral("Т т.росы"), QStringLiteral("WDP"), QStringLiteral("при Рраб."), QStringLiteral("°С")},
            {QStringLiteral("Т т.росы"), QStringLiteral("HDP"), QStringLiteral("при Рраб."), QStringLiteral("°С")},
            {QStringLiteral("Р изб."), QStringLiteral("WDP"), QString(), QStringLiteral("bar")},
            {QStringLiteral("Прив. Т т.росы"), QStringLiteral("по воде"), QStringLiteral("к Р абс."),
             QStringLiteral("°С")}};
}

QStringList wmtColumnKeys()
{
    return {QStringLiteral("wdp"), QStringLiteral("hdp"), QStringLiteral("pressure"), QStringLiteral("wdp-abs")};
}
