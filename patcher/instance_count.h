// How many copies of this image have started, less one: shared by every
// process of the image on Windows, so the first copy sees 0 after its own
// increment and any later one more.
#pragma once

#include "platform/win_types.h"

extern LONG g_nInstanceCount;
