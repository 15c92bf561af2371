#pragma once

#include <QByteArrayView>
#include <cstddef>
#include <cstdint>

// One fuzz input read from the front: a few bytes that choose what the target
// does (which request was sent, to which address), then the bytes it parses.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size);

    // The next choice byte; 0 once the input is used up, so that a short input
    // still makes a whole choice.
    std::uint8_t takeByte();
    // What is left after the choices taken so far.
    QByteArrayView rest() const { return bytes_.sliced(taken_); }

private:
    QByteArrayView bytes_;
    qsizetype taken_ = 0;
};
