#include "support/fuzz_check.h"

#include <cstdio>
#include <cstdlib>

void fuzzCheck(bool holds, const char* invariant)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz invariant broken: %s\n", invariant);
    std::abort();
}
