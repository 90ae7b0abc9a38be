#include "patcher/os_gate.h"

int ClassifyVersionForPatch(const OSVERSIONINFOA& info)
{
    // 9x family, neither 95 (minor 0) nor Me (minor 90), and the 98 SE build
    // 2222 in the low word (the high word repeats the version on 9x).
    if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && info.dwMinorVersion != 0 && info.dwMinorVersion != 90 &&
        (info.dwBuildNumber & 0xFFFF) == 2222)
        return kPatchSupported;
    return 0;
}
