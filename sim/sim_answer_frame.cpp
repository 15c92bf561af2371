#include "sim/sim_answer_frame.h"

#include "crc/crc16.h"

namespace {
QByteArray frame(std::uint8_t address, std::uint8_t codeByte, QByteArrayView body)
{
    QByteArray bytes;
    bytes.reserve(body.size() + 6);
    bytes.append(static_cast<char>(SimAnswerFrame::startSymbol));
    bytes.append(static_cast<char>(address));
    bytes.append(static_cast<char>(body.size() + 6));
    bytes.append(static_cast<char>(codeByte));
    bytes.append(body.data(), body.size());
    appendCrc16(bytes);
    return bytes;
}
} // namespace

QByteArray SimAnswerFrame::success(std::uint8_t address, std::uint8_t function, QByteArrayView body)
{
    return frame(address, function | answerBit, body);
}

QByteArray SimAnswerFrame::error(std::uint8_t address, std::uint8_t function, std::uint8_t code,
                                 std::uint8_t requestTable, std::uint8_t destroyedTable)
{
    const char body[] = {static_cast<char>(code), static_cast<char>(requestTable), static_cast<char>(destroyedTable)};
    return frame(address, function & ~answerBit, QByteArrayView(body, sizeof body));
}

QByteArray SimAnswerFrame::readdressed(QByteArrayView frameBytes, std::uint8_t address)
{
    if (frameBytes.size() < 6)
        return frameBytes.toByteArray();
    return frame(address, static_cast<std::uint8_t>(frameBytes[3]), frameBytes.sliced(4, frameBytes.size() - 6));
}
