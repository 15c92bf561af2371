#pragma once

#include "archives/archive_table.h"

#include <QByteArray>

// An archive table as CSV text, UTF-8: a header line of the column captions
// (each column's caption lines and unit joined by a blank), then one line per
// record with the viewer's cell texts exactly as shown, blanks included: the
// left table with its status columns, then the value columns in display order.
// Fields are separated by ";", which no cell text holds; lines end in "\n".
QByteArray archiveCsv(const ArchiveTable& table);
