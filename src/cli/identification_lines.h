#pragma once

#include <QByteArrayView>
#include <QStringList>

// Table 0 (18 one-byte identification fields) as the identification dialog shows
// it: one "label: value" line per item, in the dialog's order.
QStringList identificationLines(QByteArrayView table0);
