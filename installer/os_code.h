// The installer's one-byte name for the running Windows, on which it decides
// whether it runs, which installation it makes and which registry branch
// holds the PCI devices.
#pragma once

#include "platform/win_types.h"

typedef BYTE OsCode;

const OsCode kOsUnknown = 0;      // NT 6 and later, or no answer from Windows
const OsCode kOsWin32s = 9;
const OsCode kOsWindows95 = 10;
const OsCode kOsWindows98 = 11;   // first edition
const OsCode kOsWindows98SE = 12;
const OsCode kOsWindowsNT4 = 13;  // NT 3.51 too
const OsCode kOsWindows2000 = 14;
const OsCode kOsWindowsMe = 15;
const OsCode kOsWindowsXP = 16;   // any NT 5 release after Windows 2000

// Classifies a version record. Sets *code in every case (kOsUnknown when
// nothing fits) and returns false only for a platform identifier other than
// Win32s, the 9x family and the NT family.
bool ClassifyVersion(const OSVERSIONINFOA& version, OsCode* code);

inline bool IsNt5(OsCode code)
{
    return code == kOsWindows2000 || code == kOsWindowsXP;
}

inline bool IsSupported9x(OsCode code)
{
    return code == kOsWindows98SE || code == kOsWindowsMe;
}
