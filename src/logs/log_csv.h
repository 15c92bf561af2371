#pragma once

#include "logs/log_table.h"

#include <QByteArray>

// A log as CSV text, UTF-8: a line of the column headings (each column's lines
// joined by a blank), then one line per row with the cells as the viewer shows
// them, blanks included. Fields are separated by ";"; a cell holding ";" or '"'
// is quoted. Lines end in "\n".
QByteArray logCsv(const LogTable& table);
