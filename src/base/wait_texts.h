#pragma once

#include "base/operator.h"

#include <QString>
#include <array>

// The three lines the progress window shows above its bar in each mode.
std::array<QString, 3> waitModeLines(WaitMode mode);
