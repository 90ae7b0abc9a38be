// The file copies of an installation on the 9x family, in the order they
// are made: the profile's common placements, then on Windows Me its extras.
#pragma once

#include "installer/os_code.h"
#include "installer/profiles/package_profile.h"

struct PlacementPlan {
    const Placement* common;
    int commonCount;
    const Placement* extras;
    int extraCount;

    int Count() const { return commonCount + extraCount; }
    const Placement& operator[](int i) const { return i < commonCount ? common[i] : extras[i - commonCount]; }
};

PlacementPlan PlanPlacements(const PackageProfile& profile, OsCode os);
