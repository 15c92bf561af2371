#pragma once

#include <cstdint>

// The numbers of the controller's parameter tables that the program names in
// its procedures; every other table is reached only through the catalogue.
namespace TableNumber {
inline constexpr std::uint8_t Identification = 0;
inline constexpr std::uint8_t DateTime = 2;
inline constexpr std::uint8_t UpperLevelPort = 3; // the controller's port to the PC; field 0 is its address
inline constexpr std::uint8_t Users = 4;
inline constexpr std::uint8_t ControllerName = 5;
inline constexpr std::uint8_t SystemParameters = 6;
inline constexpr std::uint8_t TableStates = 7; // one destroyed flag per table
inline constexpr std::uint8_t FlowComputerPort = 9;
inline constexpr std::uint8_t FlowComputerPasswords = 13; // write passwords, never read back
inline constexpr std::uint8_t ChromatographPort = 14;
inline constexpr std::uint8_t MoistureMeterPort = 15;
// One field per flow computer in each of these.
inline constexpr std::uint8_t FlowComputerTypes = 17;
inline constexpr std::uint8_t FlowComputerAddresses = 18;
inline constexpr std::uint8_t FlowComputerPipelines = 19;
inline constexpr std::uint8_t FlowComputerByteOrders = 20;
inline constexpr std::uint8_t GasParamWriting = 21; // whether each gas parameter goes to the flow computers
inline constexpr std::uint8_t HourlyMeanPeriod = 28;
inline constexpr std::uint8_t EthernetPort = 29;
} // namespace TableNumber
