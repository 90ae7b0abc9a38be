// The copies each package makes on Windows 98 SE and on Windows Me.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "installer/placement_plan.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;  // source, destination

Pairs Plan(const PackageProfile& profile, OsCode os)
{
    PlacementPlan plan = PlanPlacements(profile, os);
    Pairs pairs;
    for (int i = 0; i < plan.Count(); ++i)
        pairs.emplace_back(plan[i].source, plan[i].destination);
    return pairs;
}

const Pairs kKestrav98 = {
    {"\\Zt4410\\zt4410.inf", "\\inf\\zt4410.inf"},
    {"\\Zt4410\\zt4410.mpd", "\\system\\iosubsys\\zt4410.mpd"},
    {"\\Zt4410\\ztxsupp.vxd", "\\system\\iosubsys\\ztxsupp.vxd"},
    {"\\Zt4410\\ztlsupp.cpl", "\\system\\ztlsupp.cpl"},
};
const Pairs kKestravMeExtras = {
    {"\\Zt4410\\ztxsupp.vxd", "\\OPTIONS\\INSTALL\\ztxsupp.vxd"},
    {"\\Zt4410\\zt4410.mpd", "\\OPTIONS\\INSTALL\\zt4410.mpd"},
    {"\\Zt4410\\ztlsupp.cpl", "\\OPTIONS\\INSTALL\\ztlsupp.cpl"},
};
const Pairs kRavlind98 = {
    {"\\Zt4410r\\zt4410r.inf", "\\inf\\zt4410r.inf"},
    {"\\Zt4410r\\zt4410r.mpd", "\\system\\iosubsys\\zt4410r.mpd"},
    {"\\Zt4410r\\ztxsupp.vxd", "\\system\\iosubsys\\ztxsupp.vxd"},
};
const Pairs kRavlindMeExtras = {
    {"\\Zt4410r\\ztxsupp.vxd", "\\OPTIONS\\INSTALL\\ztxsupp.vxd"},
    {"\\Zt4410r\\zt4410r.mpd", "\\OPTIONS\\INSTALL\\zt4410r.mpd"},
};

Pairs Join(Pairs a, const Pairs& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(PlacementPlanTest, CommonPlacementsOnWindows98SE)
{
    EXPECT_EQ(Plan(kZt4410Profile, kOsWindows98SE), kKestrav98);
    EXPECT_EQ(Plan(kZt4410rProfile, kOsWindows98SE), kRavlind98);
}

TEST(PlacementPlanTest, WindowsMeAddsItsInstallCacheAfterwards)
{
    EXPECT_EQ(Plan(kZt4410Profile, kOsWindowsMe), Join(kKestrav98, kKestravMeExtras));
    EXPECT_EQ(Plan(kZt4410rProfile, kOsWindowsMe), Join(kRavlind98, kRavlindMeExtras));
}

TEST(PlacementPlanTest, RavlindHasNoAppletAnywhere)
{
    for (const auto& pair : Plan(kZt4410rProfile, kOsWindowsMe)) {
        EXPECT_EQ(pair.first.find("ztlsupp"), std::string::npos);
        EXPECT_EQ(pair.second.find("ztlsupp"), std::string::npos);
    }
}

}  // namespace
