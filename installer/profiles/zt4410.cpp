#include "installer/profiles/package_profile.h"

namespace {
const Placement kPlacements[] = {
    {"\\Zt4410\\zt4410.inf", "\\inf\\zt4410.inf"},
    {"\\Zt4410\\zt4410.mpd", "\\system\\iosubsys\\zt4410.mpd"},
    {"\\Zt4410\\ztxsupp.vxd", "\\system\\iosubsys\\ztxsupp.vxd"},
    {"\\Zt4410\\ztlsupp.cpl", "\\system\\ztlsupp.cpl"},
};

// Windows Me also looks for the drivers in its install cache.
const Placement kMeExtras[] = {
    {"\\Zt4410\\ztxsupp.vxd", "\\OPTIONS\\INSTALL\\ztxsupp.vxd"},
    {"\\Zt4410\\zt4410.mpd", "\\OPTIONS\\INSTALL\\zt4410.mpd"},
    {"\\Zt4410\\ztlsupp.cpl", "\\OPTIONS\\INSTALL\\ztlsupp.cpl"},
};
}  // namespace

const PackageProfile kZt4410Profile = {
    "\\Zt4410\\key.ini",
    "\\Zt4410\\install.exe",
    "\\Zt4410\\zt4410.inf",
    kPlacements,
    sizeof kPlacements / sizeof kPlacements[0],
    kMeExtras,
    sizeof kMeExtras / sizeof kMeExtras[0],
    false,
    "Get Install key fail !!",
};
