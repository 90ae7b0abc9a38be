// How the package's own console installer is started on Windows 2000 and XP:
// its path, the INF path and the hardware identifier, separated by single
// blanks.
#pragma once

#include "framework/afx_string.h"
#include "installer/profiles/package_profile.h"

// The installer's path, as its console window is titled.
CString InstallerPathOf(const char* baseDir, const PackageProfile& profile);

// A path that holds a blank is put in double quotes, or Windows would try
// "C:\Program.exe" first and the installer would get the INF path in pieces;
// any other path goes as it stands. The hardware identifier is quoted when
// the profile says so.
CString InstallerCommandLine(const char* baseDir, const PackageProfile& profile, const char* deviceKey);
