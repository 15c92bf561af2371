#pragma once

#include "sim/sim_controller.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

// Request frames as the program sends them, and the answer frame inside what the
// simulated controller puts on the line.
namespace SimTestFrames {

QByteArray request(std::uint8_t address, std::uint8_t function, const QByteArray& body);
QByteArray readRequest(std::uint8_t table, std::uint8_t first, std::uint8_t count, std::uint8_t address = 1);

// 12 password bytes and 4 code bytes, blank-padded.
QByteArray credentials(const QByteArray& password, const QByteArray& code);
QByteArray adjuster();      // the level-1 user of the running configuration
QByteArray operatorLevel(); // the level-4 user

QByteArray writeRequest(const QByteArray& who, std::uint8_t table, std::uint8_t first, const QByteArray& values,
                        std::uint8_t address = 1, int fieldLength = 1);
QByteArray correctionRequest(const QByteArray& who, std::int16_t seconds, std::uint8_t address = 1);
QByteArray resetRequest(const QByteArray& who, std::uint8_t address = 1);

// The frame from its start symbol on: preambles and noise before it are dropped.
QByteArray answerFrame(const QByteArray& line);
QByteArray answerFrame(const std::optional<SimAnswer>& answer);

// The controller's error code of an error reply; 0 for a successful answer.
int errorCode(const QByteArray& frame);

} // namespace SimTestFrames
