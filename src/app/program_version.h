#pragma once

// The version the programs report: the main window's "О программе", gqc_cli --version.
inline constexpr char ProgramVersion[] = "1.0";
