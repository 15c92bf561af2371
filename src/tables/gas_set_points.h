#pragma once

#include "base/input_problem.h"
#include "tables/field_float.h"
#include "tables/gas_param_range.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

// Tables 22 to 26 as the set-point dialog shows them: one row per gas
// parameter, its value as text with the parameter's decimals. The two unused
// fields (sum of the fractions, gas temperature) are shown but never edited.

inline constexpr int SetPointTableLength = GasParameterCount * FloatFieldLength;

struct SetPointRow {
    QString name;
    QString range; // " 40.000 - 100.000"; "Не используется" for an unused field
    QString value; // the edit field's text; "0" for an unused field
    QString unit;
    bool editable = false;

    bool operator==(const SetPointRow&) const = default;
};

// The edit fields' texts in slot order; those of the unused fields are ignored.
using SetPointTexts = std::array<QString, GasParameterCount>;

QString setPointCaption(GasSetPoint setPoint);

// The rows for the bytes of a set-point table; an unreadable field shows 0.
std::array<SetPointRow, GasParameterCount> setPointRows(GasSetPoint setPoint, QByteArrayView table);

// The text an edit field takes when the operator leaves it: the value with the
// row's decimals. Text that is not a number stays as typed, for the check to refuse.
QString reformattedSetPoint(GasSetPoint setPoint, int parameter, const QString& typed);

// Checks every edit field, then every value against its range (single-precision
// bounds widened by 0.00001) in slot order; the first refusal names its
// parameter. Only when all pass is anything stored, and then only the rows whose
// text differs from the one they were shown with: an untouched row keeps its
// exact bytes rather than the rounded value of its text. Unused fields are kept.
InputCheck applySetPoints(GasSetPoint setPoint, const SetPointTexts& typed, QByteArray& table);

// The 80 bytes of a set-point table in a new configuration.
QByteArray defaultSetPointTable(GasSetPoint setPoint);
