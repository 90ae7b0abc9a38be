#include "installer/installer_app.h"

#include <cstring>

#include "installer/classify_windows.h"
#include "platform/port.h"

InstallerApp::InstallerApp(const PackageProfile& profile)
    : m_profile(profile), m_nOsCode(kOsUnknown), m_nKeyCount(0), m_pKeyFile(nullptr), m_nKeyFileLength(0)
{
    std::memset(m_szBaseDir, 0, sizeof m_szBaseDir);
    std::memset(&m_deviceKeyList, 0, sizeof m_deviceKeyList);
}

BOOL InstallerApp::InitInstance()
{
    Enable3dControlsStatic();

    // A directory that cannot be had whole is left empty, never cut short
    // or taken as the drive root: the key list then reports its file missing.
    DWORD length = port::GetCurrentDirectoryA(sizeof m_szBaseDir, m_szBaseDir);
    if (length == 0 || length >= sizeof m_szBaseDir)
        m_szBaseDir[0] = 0;

    ClassifyWindows(&m_nOsCode);  // a failure has shown its box and left kOsUnknown

    if (IsNt5(m_nOsCode))
        InstallOnNt5();
    else if (IsSupported9x(m_nOsCode))
        InstallOn9x();
    else
        ShowStartupBox("This driver isn't supprot NT !!");
    return FALSE;
}
