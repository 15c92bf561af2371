#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

// Answer frames of the controller: start symbol 0x33, address, total length, the
// request's function code with bit 7 set (clear in an error reply), body, checksum.
class SimAnswerFrame {
public:
    static constexpr std::uint8_t startSymbol = 0x33;
    static constexpr std::uint8_t answerBit = 0x80;

    static QByteArray success(std::uint8_t address, std::uint8_t function, QByteArrayView body);

    // A[4] = error code, A[5] = the table the request named, A[6] = the destroyed table.
    static QByteArray error(std::uint8_t address, std::uint8_t function, std::uint8_t code,
                            std::uint8_t requestTable = 0, std::uint8_t destroyedTable = 0);

    // The same frame from another address, its checksum made again.
    static QByteArray readdressed(QByteArrayView frame, std::uint8_t address);
};
