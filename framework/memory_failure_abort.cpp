// For builds of the parsers without the application (fuzz targets,
// benchmarks): a string that cannot grow is a finding there, not a quiet
// end of the process.
#include <cstdio>
#include <cstdlib>

#include "framework/afx_app.h"

void AfxMemoryFailure()
{
    std::fputs("AfxMemoryFailure: a string could not grow\n", stderr);
    std::abort();
}
