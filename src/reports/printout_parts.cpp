#include "reports/printout_parts.h"

#include <algorithm>

QList<PrintoutPart> printoutParts(int rows, const PartRows& fitting)
{
    if (rows <= fitting.single)
        return {{0, rows, true}};
    QList<PrintoutPart> parts{{0, std::min(rows, fitting.first), false}};
    int printed = parts.first().count;
    while (printed < rows) {
        const int count = std::min(rows - printed, fitting.full);
        const bool last = count <= fitting.last;
        parts.append({printed, count, last});
        printed += count;
        if (last)
            return parts;
    }
    parts.append({printed, 0, true});
    return parts;
}
