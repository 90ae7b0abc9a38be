#include "installer/command_line.h"

#include <cstring>

namespace {

// A blank is never the second byte of a double-byte character, so a byte
// search is enough.
CString CommandLinePath(const CString& path)
{
    if (std::strchr(path, ' ') == nullptr)
        return path;
    CString quoted("\"");
    quoted += path;
    quoted += '"';
    return quoted;
}

}  // namespace

CString InstallerPathOf(const char* baseDir, const PackageProfile& profile)
{
    return CString(baseDir) + profile.InstallerPath;
}

CString InstallerCommandLine(const char* baseDir, const PackageProfile& profile, const char* deviceKey)
{
    const char* quote = profile.HardwareIdQuoted ? "\"" : "";
    CString line = CommandLinePath(InstallerPathOf(baseDir, profile));
    line += ' ';
    line += CommandLinePath(CString(baseDir) + profile.InfPath);
    line += ' ';
    line += quote;
    line += "PCI\\";
    line += deviceKey;
    line += quote;
    return line;
}
