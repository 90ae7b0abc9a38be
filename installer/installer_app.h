// The driver installer's application object.
#pragma once

#include "framework/afx_app.h"
#include "installer/profiles/package_profile.h"

class InstallerApp : public CWinApp {
public:
    explicit InstallerApp(const PackageProfile& profile);
    BOOL InitInstance() override;

    const PackageProfile& m_profile;
};
