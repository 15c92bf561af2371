#pragma once

#include "tables/date_stamp.h"

#include <QString>

// The pieces every archive viewer builds its cells from.
namespace CellText {

// What the two first cells of a record with a wrong checksum say instead of its stamp.
inline const QString DamagedFirst = QStringLiteral("     Данные");
inline const QString DamagedSecond = QStringLiteral("недостов.");
inline const QString WmtDamagedSecond = QStringLiteral(" недостов."); // the moisture-meter viewers'

// "dd.mm.yy" and "hh:mm:ss", each after `indent`.
QString date(const DateStamp& stamp, const QString& indent);
QString time(int hour, int minute, int second, const QString& indent);

// A value text of up to 7 characters is right-aligned in 8, so that the
// columns of values line up; longer ones are left as they are.
QString padded(const QString& value);

} // namespace CellText
