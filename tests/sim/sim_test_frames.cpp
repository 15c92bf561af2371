#include "sim_test_frames.h"

#include "crc/crc16.h"

namespace SimTestFrames {

QByteArray request(std::uint8_t address, std::uint8_t function, const QByteArray& body)
{
    QByteArray frame;
    frame.append(static_cast<char>(0xCC));
    frame.append(static_cast<char>(address));
    frame.append(static_cast<char>(body.size() + 6));
    frame.append(static_cast<char>(function));
    frame.append(body);
    appendCrc16(frame);
    return frame;
}

QByteArray readRequest(std::uint8_t table, std::uint8_t first, std::uint8_t count, std::uint8_t address)
{
    const char body[] = {0, static_cast<char>(table), static_cast<char>(first), static_cast<char>(count)};
    return request(address, 1, QByteArray(body, sizeof body));
}

QByteArray credentials(const QByteArray& password, const QByteArray& code)
{
    return password.leftJustified(12, ' ', true) + code.leftJustified(4, ' ', true);
}

QByteArray adjuster()
{
    return credentials("111111", "0001");
}

QByteArray operatorLevel()
{
    return credentials("444444", "0004");
}

QByteArray writeRequest(const QByteArray& who, std::uint8_t table, std::uint8_t first, const QByteArray& values,
                        std::uint8_t address, int fieldLength)
{
    QByteArray body = who;
    body.append('\0');
    body.append(static_cast<char>(table));
    body.append(static_cast<char>(first));
    body.append(static_cast<char>(values.size() / fieldLength));
    body.append(values);
    return request(address, 2, body);
}

QByteArray correctionRequest(const QByteArray& who, std::int16_t seconds, std::uint8_t address)
{
    QByteArray body = who;
    body.append(static_cast<char>(seconds & 0xFF));
    body.append(static_cast<char>((seconds >> 8) & 0xFF));
    return request(address, 12, body);
}

QByteArray resetRequest(const QByteArray& who, std::uint8_t address)
{
    return request(address, 25, who);
}

QByteArray answerFrame(const QByteArray& line)
{
    const qsizetype start = line.indexOf(static_cast<char>(0x33));
    return start < 0 ? QByteArray() : line.mid(start);
}

QByteArray answerFrame(const std::optional<SimAnswer>& answer)
{
    return answer ? answerFrame(answer->bytes) : QByteArray();
}

int errorCode(const QByteArray& frame)
{
    if (frame.size() < 5 || (static_cast<std::uint8_t>(frame[3]) & 0x80))
        return 0;
    return static_cast<std::uint8_t>(frame[4]);
}

} // namespace SimTestFrames
