#pragma once

#include <QString>

// First indices of the groups of the shared text list. An index is the group's
// base plus a code: the text of log event e is commonText(CommonTextBase::LogEvents + e),
// the name of gas parameter k is commonText(CommonTextBase::ShortGasNames + k).
namespace CommonTextBase {
inline constexpr int TableNames = 0; // table number 0..37
inline constexpr int Units = 38;
inline constexpr int SwitchForbidden = 75; // summer/winter switch forbidden
inline constexpr int MonthsNominative = 76;
inline constexpr int MonthsGenitive = 88;
inline constexpr int SwitchWeeks = 100; // first, second, third, last but one, last
inline constexpr int Weekdays = 105;    // Sunday first
inline constexpr int WeekdaysShort = 112;
inline constexpr int SummerWinter = 119; // summer time, winter time
inline constexpr int LogNames = 121;
inline constexpr int ModbusModes = 131; // ASCII, RTU
inline constexpr int Parities = 133;    // none, odd, even, always 0, always 1
inline constexpr int Requirement = 138; // not required, required
inline constexpr int WritePeriods = 140;
inline constexpr int NoYes = 144;
inline constexpr int ByteOrders = 146;
inline constexpr int Zones = 148;
inline constexpr int CalibrationMethods = 153;
inline constexpr int YearChoices = 155; // previous year, base year
inline constexpr int TimeKind = 157;
inline constexpr int ShortGasNames = 158;
inline constexpr int ChromatographAlarms = 178;
inline constexpr int MoistureValues = 195;
inline constexpr int MoistureStatusBitsModel0 = 200;
inline constexpr int MoistureStatusBitsModel2 = 216;
inline constexpr int ChromatographModels = 232;
inline constexpr int MoistureMeterModels = 239;
inline constexpr int FlowComputerModels = 242;
inline constexpr int Distribution = 246;
inline constexpr int LogEvents = 249; // event code 0..81
inline constexpr int LongGasNamesMolar = 331;
inline constexpr int LongGasNamesVolume = 351;
inline constexpr int UserLevels = 371;
inline constexpr int Count = 376;
} // namespace CommonTextBase

// The shared text at index 0..375 (possibly empty); an empty string for any other index.
QString commonText(int index);
