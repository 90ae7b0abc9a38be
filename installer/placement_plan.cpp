#include "installer/placement_plan.h"

PlacementPlan PlanPlacements(const PackageProfile& profile, OsCode os)
{
    PlacementPlan plan = {profile.PlacementList, profile.PlacementCount, profile.MeExtraList, 0};
    if (os == kOsWindowsMe)
        plan.extraCount = profile.MeExtraCount;
    return plan;
}
