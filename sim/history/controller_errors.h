#pragma once

#include <cstdint>

namespace SimHist {

// Error codes of the controller's error replies used by its archives and logs.
namespace ControllerError {
constexpr std::uint8_t unknownCommand = 1;
constexpr std::uint8_t badLength = 2;
constexpr std::uint8_t badParameters = 4;
constexpr std::uint8_t noSuchIndices = 18;
constexpr std::uint8_t seriesOutOfOrder = 20;
constexpr std::uint8_t seriesPeriodChanged = 21;
constexpr std::uint8_t badTimeRange = 22;
} // namespace ControllerError

} // namespace SimHist
