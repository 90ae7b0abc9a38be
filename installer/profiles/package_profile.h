// What differs between the two builds of the driver installer. Every path
// starts with a backslash and is appended as written: source, key file,
// installer and INF paths to the base directory, destinations to the
// Windows directory.
#pragma once

struct Placement {
    const char* source;
    const char* destination;
};

struct PackageProfile {
    const char* KeyFilePath;
    const char* InstallerPath;
    const char* InfPath;
    const Placement* PlacementList;
    int PlacementCount;
    const Placement* MeExtraList;  // also placed on Windows Me
    int MeExtraCount;
    bool HardwareIdQuoted;
    const char* LookupFailText;
};

extern const PackageProfile kZt4410Profile;   // Kestrav
extern const PackageProfile kZt4410rProfile;  // Ravlind
