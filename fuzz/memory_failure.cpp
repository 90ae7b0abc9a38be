// The framework ends the process when a string cannot grow; under the fuzzer
// that is a finding, not a quiet exit.
#include <cstdio>
#include <cstdlib>

#include "framework/afx_app.h"

void AfxMemoryFailure()
{
    std::fputs("AfxMemoryFailure: a string could not grow\n", stderr);
    std::abort();
}
