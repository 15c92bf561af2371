#pragma once

#include <optional>

// The one-byte bit-rate code of the controller's port tables and of the link
// settings lists is an index into a list of 22 rates, 300 to 230400 bit/s.
namespace BitRateCodes {
constexpr int Count = 22;
}

// The code of a bit rate, or -1 when the rate is not in the list.
int bitRateCode(int bitsPerSecond);
// The bit rate of a code, or nothing for a code outside 0..21.
std::optional<int> bitRateOfCode(int code);
