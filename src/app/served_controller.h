#pragma once

#include "base/input_problem.h"
#include "tables/identification.h"

// The program serves controllers of type 73 with software version 4, or 14
// while their whole configuration must be written. Any other controller is
// refused with the message naming what it reported.
InputCheck servedControllerCheck(const Identification& identification);
