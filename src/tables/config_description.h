#pragma once

#include "tables/config_record.h"

#include <QByteArray>
#include <QString>
#include <vector>

// One field of a configuration as the dialog of its table shows it.
struct ConfigItem {
    int table = 0;
    QString tableName; // as the table-state list names it, blanks trimmed
    QString group;     // the heading the item is shown under: "Табл. 6. Системные параметры"
    QString label;     // the dialog's label, one line; no two items of a table share it
    QString value;     // the dialog's text, one line; empty for a secret
    // A password or an identification code is never shown: only whether it is
    // set (not all blanks), and its bytes to tell a change by.
    bool secret = false;
    bool secretSet = false;
    QByteArray secretBytes;

    bool operator==(const ConfigItem&) const = default;
};

// Every field of the record in the order of the tables, as the dialogs show
// it: list items by their text, numbers with the dialogs' decimals, a code no
// list item stands for as " ?". The identification of a configuration created
// new has its type and software version only; the flow computers come one
// record after the other (as many as table 9 counts), the users slot by slot.
// Fields the dialogs never let change (the unused gas parameters, the
// chromatograph that is always connected) are left out, and so are the
// switch's day and hour of a season without a switch.
std::vector<ConfigItem> describeConfiguration(const ConfigRecord& record);

// The value as printed: the dialog's text without the blanks around it; a
// secret as "задан" or "не задан".
QString shownValue(const ConfigItem& item);
