#pragma once

#include "gas/report_settings.h"

#include <QString>

// A gas value as grids and printouts show it: fixed point, "." as separator,
// rounded to 10 significant digits and then given `decimals` decimals; "NAN"
// for a value that has no digits to show.
QString gasValueText(double value, int decimals);

// The same with the digit count the operator chose for the value's slot.
QString gasValueText(double value, int slot, const ReportSettings& settings);
