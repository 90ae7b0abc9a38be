// The one application object of this deliverable; the build names its
// package profile.
#include "installer/installer_app.h"

static InstallerApp theApp(INSTALLER_PROFILE);
