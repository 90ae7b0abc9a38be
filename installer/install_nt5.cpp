// Installation on Windows 2000 and XP: the package's own console installer
// does the work; this program starts it hidden and stays until it is done.
#include "installer/command_line.h"
#include "installer/installer_app.h"
#include "platform/port.h"

void InstallerApp::InstallOnNt5()
{
    ReadKeyList();
    if (!FindDeviceKey()) {
        DoMessageBox("Install driver fail !!", MB_OK, 0);
        port::exit(0);
    }

    // The installer's console window carries its path as title for as long
    // as it runs; SW_HIDE hides it without removing it.
    CString installerPath = InstallerPathOf(m_szBaseDir, m_profile);
    port::WinExec(InstallerCommandLine(m_szBaseDir, m_profile, m_strDeviceKey), SW_HIDE);
    port::Sleep(2500);
    while (port::FindWindowA(nullptr, installerPath) != nullptr)
        port::Sleep(2000);
}
