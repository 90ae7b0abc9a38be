// Asks Windows for its version record and classifies it.
#pragma once

#include "installer/os_code.h"

// True when a code was stored in *code. False, after a box of its own, when
// Windows gives no version record (*code left as it was) or names a
// platform the installer does not know (*code set to kOsUnknown).
bool ClassifyWindows(OsCode* code);

// Boxes shown before the installer knows what it runs on: no owner, a fixed
// caption, OK only and no icon.
void ShowStartupBox(const char* text);
