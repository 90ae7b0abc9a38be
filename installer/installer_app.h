// The driver installer's application object. It does the whole installation
// inside InitInstance and always returns FALSE, so the process ends without
// a message loop. An installation that fails ends the process through the
// run-time's exit, after its box if it has one, with status 0 like every
// other path.
#pragma once

#include <cstddef>

#include "framework/afx_app.h"
#include "installer/key_list.h"
#include "installer/os_code.h"
#include "installer/profiles/package_profile.h"

class InstallerApp : public CWinApp {
public:
    explicit InstallerApp(const PackageProfile& profile);
    BOOL InitInstance() override;

    // The two installations: the 9x family places the files itself, NT 5
    // leaves the work to the package's own installer.
    void InstallOn9x();
    void InstallOnNt5();

    // Fills the device key list from the package's key file, or reports the
    // file missing and ends the process.
    void ReadKeyList();
    BOOL LoadWholeFile(const char* path);

    // Finds the PCI enumeration subkey that the key list names and keeps its
    // name in m_strDeviceKey.
    BOOL FindDeviceKey();

    // Copies one package file into the Windows directory tree; a copy that
    // fails is passed over in silence.
    void CopyToWindows(const char* destination, const char* source);

    const PackageProfile& m_profile;
    OsCode m_nOsCode;
    // The start-up directory, without a trailing backslash unless it is a
    // drive root; empty when Windows could not give all of it.
    char m_szBaseDir[MAX_PATH];
    DeviceKeyList m_deviceKeyList;
    int m_nKeyCount;
    CString m_strDeviceKey;
    // The key file as read, with a NUL after it; kept for the whole run.
    char* m_pKeyFile;
    size_t m_nKeyFileLength;
};
