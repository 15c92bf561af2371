#include "support/fuzz_input.h"

FuzzInput::FuzzInput(const std::uint8_t* data, std::size_t size)
    : bytes_(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
{
}

std::uint8_t FuzzInput::takeByte()
{
    if (taken_ == bytes_.size())
        return 0;
    return static_cast<std::uint8_t>(bytes_[taken_++]);
}
