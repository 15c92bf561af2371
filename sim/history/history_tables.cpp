#include "sim/history/history_tables.h"

namespace SimHist {

namespace HistoryTable {

namespace {

int lengthOf(int number)
{
    switch (number) {
    case functions:
    case instrumentLinks:
        return 2;
    case diagnosticBounds:
    case interventionBounds:
    case calibrationBounds:
        return 2 * 4;
    case abnormalFlags:
    case firstRecords:
        return 18;
    case chromatographData:
        return 22 * 4;
    case zones:
        return 20;
    case flowComputerLinks:
    case flowComputerWriting:
        return 16;
    case movingAverages:
        return 27 * 4;
    case moistureMeterData:
        return 7 * 4;
    default:
        return 0;
    }
}

} // namespace

QByteArray& sized(TableMemory& tables, int number)
{
    QByteArray& bytes = tables.table(number);
    if (bytes.size() < lengthOf(number))
        bytes.resize(lengthOf(number), '\0');
    return bytes;
}

std::uint8_t byteOf(const TableMemory& tables, int number, int offset, std::uint8_t absent)
{
    const QByteArray& bytes = tables.table(number);
    return offset < bytes.size() ? static_cast<std::uint8_t>(bytes[offset]) : absent;
}

} // namespace HistoryTable

} // namespace SimHist
