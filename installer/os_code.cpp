#include "installer/os_code.h"

namespace {
// Windows 98 SE and Windows 2000 both carry this build number.
const DWORD kSecondEditionBuild = 2222;
}  // namespace

bool ClassifyVersion(const OSVERSIONINFOA& version, OsCode* code)
{
    *code = kOsUnknown;
    switch (version.dwPlatformId) {
    case VER_PLATFORM_WIN32s:
        *code = kOsWin32s;
        return true;
    case VER_PLATFORM_WIN32_WINDOWS: {
        if (version.dwMajorVersion < 4 || (version.dwMajorVersion == 4 && version.dwMinorVersion == 0)) {
            *code = kOsWindows95;
            return true;
        }
        // 9x keeps the version in the high word of the build number.
        DWORD build = version.dwBuildNumber & 0xFFFFu;
        *code = build > kSecondEditionBuild    ? kOsWindowsMe
                : build == kSecondEditionBuild ? kOsWindows98SE
                                               : kOsWindows98;
        return true;
    }
    case VER_PLATFORM_WIN32_NT:
        if (version.dwMajorVersion <= 4)
            *code = kOsWindowsNT4;
        else if (version.dwMajorVersion == 5)
            *code = version.dwBuildNumber > kSecondEditionBuild ? kOsWindowsXP : kOsWindows2000;
        return true;
    default:
        return false;
    }
}
