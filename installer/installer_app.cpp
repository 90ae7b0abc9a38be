#include "installer/installer_app.h"

InstallerApp::InstallerApp(const PackageProfile& profile) : m_profile(profile) {}

BOOL InstallerApp::InitInstance()
{
    return FALSE;
}
