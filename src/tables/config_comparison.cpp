#include "tables/config_comparison.h"

#include <QHash>
#include <utility>

namespace {

const QString Absent = QStringLiteral("отсутствует");

using ItemKey = std::pair<int, QString>;

ItemKey keyOf(const ConfigItem& item)
{
    return {item.table, item.label};
}

QHash<ItemKey, const ConfigItem*> byKey(const std::vector<ConfigItem>& items)
{
    QHash<ItemKey, const ConfigItem*> index;
    for (const ConfigItem& item : items)
        index.insert(keyOf(item), &item);
    return index;
}

bool alike(const ConfigItem& a, const ConfigItem& b)
{
    return a.secret ? b.secret && a.secretBytes == b.secretBytes : a.value == b.value;
}

// "old -> new"; a secret set on both sides says only that it changed.
QString change(const ConfigItem* before, const ConfigItem* after)
{
    if (before && after && before->secret && before->secretSet && after->secretSet)
        return QStringLiteral("изменён");
    return QStringLiteral("%1 -> %2").arg(before ? shownValue(*before) : Absent, after ? shownValue(*after) : Absent);
}

QString line(const ConfigItem& item, const QString& change)
{
    return QStringLiteral("Табл. %1. %2. %3: %4").arg(item.table).arg(item.tableName, item.label, change);
}

} // namespace

QStringList configDifferences(const std::vector<ConfigItem>& before, const std::vector<ConfigItem>& after)
{
    const QHash<ItemKey, const ConfigItem*> afterByKey = byKey(after);
    const QHash<ItemKey, const ConfigItem*> beforeByKey = byKey(before);
    QStringList lines;
    for (const ConfigItem& item : before) {
        const ConfigItem* other = afterByKey.value(keyOf(item));
        if (!other || !alike(item, *other))
            lines.append(line(item, change(&item, other)));
    }
    for (const ConfigItem& item : after)
        if (!beforeByKey.contains(keyOf(item)))
            lines.append(line(item, change(nullptr, &item)));
    return lines;
}
