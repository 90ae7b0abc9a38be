#include "patcher/instance_count.h"

#ifdef _WIN32
// A section of its own, readable, writable and shared by every process that
// runs this image; it lives as long as one of them runs.
__attribute__((section(".shared"), shared)) LONG g_nInstanceCount = -1;
#else
LONG g_nInstanceCount = -1;  // one process on the host: tests set it
#endif
