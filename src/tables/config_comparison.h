#pragma once

#include "tables/config_description.h"

#include <QStringList>
#include <vector>

// What differs between two descriptions of a configuration, one line per item:
// "Табл. 29. Параметры связи по Ethernet. Шлюз по умолчанию: 192.168.1.1 -> 192.168.1.254".
// Items are matched by table and label, in the order of `before` and then of
// the items only `after` has; an item one side lacks (a flow computer more)
// shows "отсутствует" there. A secret is compared by its bytes but shown only as
// "задан" or "не задан", and a secret set on both sides that differs as
// "изменён". No lines when the two are alike.
QStringList configDifferences(const std::vector<ConfigItem>& before, const std::vector<ConfigItem>& after);
