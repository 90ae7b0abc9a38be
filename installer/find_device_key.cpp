// Finding the controller among the PCI devices Windows has enumerated.
#include "installer/device_search.h"
#include "installer/installer_app.h"
#include "platform/port.h"
#include "platform/reg_key.h"

namespace {

// 9x keeps the enumeration tree at the top of HKEY_LOCAL_MACHINE, NT under the control set.
const char* PciBranch(OsCode os)
{
    return IsNt5(os) ? "SYSTEM\\CurrentControlSet\\Enum\\PCI" : "Enum\\PCI";
}

const DWORD kNameSize = 255;  // terminator included

}  // namespace

BOOL InstallerApp::FindDeviceKey()
{
    CKey branch;
    if (branch.Open(HKEY_LOCAL_MACHINE, PciBranch(m_nOsCode)) != ERROR_SUCCESS)
        return FALSE;

    // A branch whose size cannot be read counts as empty.
    DWORD subkeyCount = 0;
    if (port::RegQueryInfoKeyA(branch, &subkeyCount) != ERROR_SUCCESS)
        subkeyCount = 0;

    DeviceSearch search(m_deviceKeyList, m_nKeyCount, subkeyCount, AnsiLeadBytes());
    char name[kNameSize];
    DWORD index = 0;
    while (search.Next(&index)) {
        // A name too long for the buffer, or a subkey gone since it was counted.
        if (port::RegEnumKeyA(branch, index, name, kNameSize) != ERROR_SUCCESS) {
            DoMessageBox("Enum Key Fail !!", MB_OK, 0);
            return FALSE;
        }
        if (search.Matches(name)) {
            m_strDeviceKey = name;
            return TRUE;
        }
    }
    DoMessageBox(m_profile.LookupFailText, MB_OK, 0);
    return FALSE;
}
