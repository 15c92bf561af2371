#include "support/fuzz_check.h"

#include <gtest/gtest.h>

// The replayed input's name comes with the failure from the replay's trace.
void fuzzCheck(bool holds, const char* invariant)
{
    if (!holds)
        ADD_FAILURE() << "invariant broken: " << invariant;
}
