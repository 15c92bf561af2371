#pragma once

#include "base/input_problem.h"
#include "settings/link_record.h"
#include "tables/identification.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Table 3, the controller's port to the PC or an upper-level system, as
// TFormConVU shows it. After the table is written the controller answers from
// its new address and at its new rate.
struct UpperLevelPortFields {
    QString address;   // "Адрес контроллера", as typed
    int bitRate = -1;  // into bitRateItems(), so the code itself
    QString preambles; // "Кол. преамбул  при ответе ВУ", as typed

    bool operator==(const UpperLevelPortFields&) const = default;
};

UpperLevelPortFields upperLevelPortFields(QByteArrayView table);

// Over a modem or Ethernet the program could not follow the controller to a new
// rate, so on the controller the rate changes only over a direct line, and only
// when the controller can work at another rate; on a configuration record it
// always can.
bool upperLevelRateEditable(bool editsController, LinkKind link, const Identification& controller);

// Checks in the dialog's order: every field filled ("Введены не все параметры"),
// the preambles, the address. Only when all pass are bytes 0 to 3 stored; byte 1
// is kept, and the rate choice ignored, when the rate is not editable.
InputCheck applyUpperLevelPort(const UpperLevelPortFields& fields, bool rateEditable, QByteArray& table);
