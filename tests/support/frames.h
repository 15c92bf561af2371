#pragma once

#include <QByteArray>
#include <cstdint>

// Frames as a controller sends them, for scripting answers.
namespace TestFrames {

// A whole answer: 0x33, address, length, code, body and checksum.
QByteArray answer(std::uint8_t address, std::uint8_t code, const QByteArray& body);
// The answer to a field read: the echoed range, then the field values.
QByteArray fieldsAnswer(std::uint8_t address, std::uint8_t table, std::uint8_t first, std::uint8_t count,
                        const QByteArray& values);
// An error reply with the controller's error code and optional detail bytes.
QByteArray errorReply(std::uint8_t address, std::uint8_t code, std::uint8_t error, const QByteArray& detail = {});

} // namespace TestFrames
