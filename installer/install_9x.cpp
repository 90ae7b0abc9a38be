// Installation on Windows 98 SE and Me: the package files are copied into the
// Windows directory tree and the controller's enumeration key is deleted, so
// that Windows finds the device anew and installs it from the placed INF.
#include "installer/installer_app.h"
#include "installer/placement_plan.h"
#include "platform/port.h"
#include "platform/reg_key.h"

void InstallerApp::CopyToWindows(const char* destination, const char* source)
{
    CString from = CString(m_szBaseDir) + source;
    char windowsDir[MAX_PATH];
    UINT length = port::GetWindowsDirectoryA(windowsDir, sizeof windowsDir);
    if (length == 0 || length >= sizeof windowsDir)
        return;  // no place to copy to: passed over like a copy that fails
    CString to = CString(windowsDir) + destination;
    port::CopyFileA(from, to, FALSE);  // replaces an older copy; a failure stops nothing
}

void InstallerApp::InstallOn9x()
{
    ReadKeyList();
    if (!FindDeviceKey())
        port::exit(0);

    PlacementPlan plan = PlanPlacements(m_profile, m_nOsCode);
    for (int i = 0; i < plan.Count(); ++i)
        CopyToWindows(plan[i].destination, plan[i].source);

    CKey branch;
    if (branch.OpenEx(HKEY_LOCAL_MACHINE, "Enum\\PCI", KEY_ALL_ACCESS) != ERROR_SUCCESS) {
        DoMessageBox("Open Key Fail!!", MB_OK, 0);
        port::exit(0);
    }
    // On 9x this one call takes the device's whole subtree with it.
    if (port::RegDeleteKeyA(branch, m_strDeviceKey) != ERROR_SUCCESS) {
        DoMessageBox("Delete Key Fail!!", MB_OK, 0);
        branch.Close();
        port::exit(0);
    }
}
