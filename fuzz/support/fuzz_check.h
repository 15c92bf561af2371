#pragma once

// An invariant a fuzz target checks on what the parser made of its input. The
// fuzzer stops at the first one broken, so that libFuzzer keeps the input as a
// crash; the replay test reports it as a failure of the input being replayed.
// Each build links its own definition.
void fuzzCheck(bool holds, const char* invariant);
