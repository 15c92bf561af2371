#include "logs/log_request.h"

#include "archives/stamp_bytes.h"

#include <QtEndian>

QByteArray indexRequestData(LogKind kind, std::uint32_t first, int count)
{
    QByteArray data(2, '\0');
    data[1] = static_cast<char>(logKindInfo(kind).selector);
    char index[4];
    qToLittleEndian(first, index);
    data.append(index, sizeof index);
    data.append(static_cast<char>(count));
    return data;
}

QByteArray periodRequestData(LogKind kind, std::uint8_t block, const DateStamp& start, const DateStamp& end)
{
    QByteArray data(3, '\0');
    data[1] = static_cast<char>(logKindInfo(kind).selector);
    data[2] = static_cast<char>(block);
    return data + stampBytes(start, FullStampLength) + stampBytes(end, FullStampLength);
}

std::uint8_t nextLogBlock(std::uint8_t block)
{
    return block == 255 ? 1 : static_cast<std::uint8_t>(block + 1);
}
