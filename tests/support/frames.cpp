#include "support/frames.h"

#include "crc/crc16.h"

namespace TestFrames {

QByteArray answer(std::uint8_t address, std::uint8_t code, const QByteArray& body)
{
    QByteArray frame;
    frame.append(char(0x33));
    frame.append(static_cast<char>(address));
    frame.append(static_cast<char>(body.size() + 6));
    frame.append(static_cast<char>(code));
    frame.append(body);
    appendCrc16(frame);
    return frame;
}

QByteArray fieldsAnswer(std::uint8_t address, std::uint8_t table, std::uint8_t first, std::uint8_t count,
                        const QByteArray& values)
{
    QByteArray body;
    body.append(char(0)); // value byte
    body.append(static_cast<char>(table));
    body.append(static_cast<char>(first));
    body.append(static_cast<char>(count));
    body.append(values);
    return answer(address, 0x81, body);
}

QByteArray errorReply(std::uint8_t address, std::uint8_t code, std::uint8_t error, const QByteArray& detail)
{
    QByteArray body;
    body.append(static_cast<char>(error));
    body.append(detail);
    return answer(address, code, body);
}

} // namespace TestFrames
