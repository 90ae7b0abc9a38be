#include "installer/profiles/package_profile.h"

namespace {
// This package has no control-panel applet.
const Placement kPlacements[] = {
    {"\\Zt4410r\\zt4410r.inf", "\\inf\\zt4410r.inf"},
    {"\\Zt4410r\\zt4410r.mpd", "\\system\\iosubsys\\zt4410r.mpd"},
    {"\\Zt4410r\\ztxsupp.vxd", "\\system\\iosubsys\\ztxsupp.vxd"},
};

const Placement kMeExtras[] = {
    {"\\Zt4410r\\ztxsupp.vxd", "\\OPTIONS\\INSTALL\\ztxsupp.vxd"},
    {"\\Zt4410r\\zt4410r.mpd", "\\OPTIONS\\INSTALL\\zt4410r.mpd"},
};
}  // namespace

const PackageProfile kZt4410rProfile = {
    "\\Zt4410r\\KEY.INI",
    "\\Zt4410r\\install.exe",
    "\\Zt4410r\\zt4410r.inf",
    kPlacements,
    sizeof kPlacements / sizeof kPlacements[0],
    kMeExtras,
    sizeof kMeExtras / sizeof kMeExtras[0],
    true,
    "Get install key fail !!",
};
