// Every fault the installation on Windows 2000 and XP can meet once the key
// file is read, one row each, run for both deliverables on both systems.
// Nothing is copied or deleted there; what differs is whether the package
// installer starts.
#include <string>

#include "installer_outcome.h"

namespace installer_faults {
namespace {

using installer_test::kBranchNt;

const char kInstallFail[] = "Install driver fail !!";

fake::RegistryKey& Branch(Machine& m)
{
    return *m.w.Key(kBranchNt);
}

const Outcome kStarted = {{}, Copies::kNone, DeviceKey::kKept, PackageInstaller::kStarted, End::kReturn};
const Outcome kEnumFails = {
    {"Enum Key Fail !!", kInstallFail}, Copies::kNone, DeviceKey::kKept, PackageInstaller::kNotStarted, End::kExit};

const Row kRows[] = {
    {"branch_open_refused",
     [](Machine& m) { Branch(m).denyOpen = true; },
     {{kInstallFail}, Copies::kNone, DeviceKey::kKept, PackageInstaller::kNotStarted, End::kExit}},
    {"subkey_count_refused",
     [](Machine& m) { Branch(m).failQueryInfo = true; },
     {{"LOOKUP", kInstallFail}, Copies::kNone, DeviceKey::kKept, PackageInstaller::kNotStarted, End::kExit}},
    {"enumeration_refused_before_the_match", [](Machine& m) { Branch(m).failEnumAt = 1; }, kEnumFails},
    {"enumeration_refused_after_the_match",
     [](Machine& m) {
         m.w.AddKey(std::string(kBranchNt) + "\\VEN_FFFF&DEV_0001&SUBSYS_00000000&REV_01");
         Branch(m).failEnumAt = 2;
     },
     kStarted},
    {"branch_shrank_before_a_match",
     [](Machine& m) {
         m.AddPackage("A=DEV_9999\r\n");
         Branch(m).extraReportedSubkeys = 1;
     },
     kEnumFails},
    {"branch_shrank_after_the_match", [](Machine& m) { Branch(m).extraReportedSubkeys = 1; }, kStarted},
    {"name_too_long", [](Machine& m) { NameFirst(m, kBranchNt, 255); }, kEnumFails},
    {"name_just_fits", [](Machine& m) { NameFirst(m, kBranchNt, 254); }, kStarted},

    // Its start is not checked: the wait finds no window and the run ends.
    {"package_installer_missing",
     [](Machine& m) {
         m.w.RemoveFile(m.Package(std::string(m.d.packageDir) + "\\install.exe"));
         m.w.winExecResult = 2;  // ERROR_FILE_NOT_FOUND
     },
     kStarted},
};

class InstallNt5FaultTest : public ::testing::TestWithParam<Row> {};

TEST_P(InstallNt5FaultTest, EndsAsDecided)
{
    for (const Deliverable* d : {&installer_test::kKestrav, &installer_test::kRavlind})
        for (const System* system : {&k2000, &kXP})
            RunAndCheck(*d, *system, kBranchNt, GetParam().inject, GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(Faults, InstallNt5FaultTest, ::testing::ValuesIn(kRows), RowName);

}  // namespace
}  // namespace installer_faults
