// The framework ends the process when a string cannot grow; a benchmark
// that gets there has measured nothing.
#include <cstdio>
#include <cstdlib>

#include "framework/afx_app.h"

void AfxMemoryFailure()
{
    std::fputs("AfxMemoryFailure: a string could not grow\n", stderr);
    std::abort();
}
