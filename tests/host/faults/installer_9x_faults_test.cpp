// Every fault the installation on Windows 98 SE and Me can meet once the key
// file is read, one row each, run for both deliverables on both systems.
#include <string>

#include "installer_outcome.h"

namespace installer_faults {
namespace {

using installer_test::kBranch9x;
using installer_test::kDevice;

fake::RegistryKey& Branch(Machine& m)
{
    return *m.w.Key(kBranch9x);
}

const Outcome kInstalled = {{}, Copies::kAll, DeviceKey::kDeleted, PackageInstaller::kNotStarted, End::kReturn};
const Outcome kEnumFails = {
    {"Enum Key Fail !!"}, Copies::kNone, DeviceKey::kKept, PackageInstaller::kNotStarted, End::kExit};

const Row kRows[] = {
    // The lookup.
    {"branch_open_refused",
     [](Machine& m) { Branch(m).denyOpen = true; },
     {{}, Copies::kNone, DeviceKey::kKept, PackageInstaller::kNotStarted, End::kExit}},
    {"subkey_count_refused",
     [](Machine& m) { Branch(m).failQueryInfo = true; },
     {{"LOOKUP"}, Copies::kNone, DeviceKey::kKept, PackageInstaller::kNotStarted, End::kExit}},
    {"enumeration_refused_before_the_match", [](Machine& m) { Branch(m).failEnumAt = 1; }, kEnumFails},
    {"enumeration_refused_after_the_match",
     [](Machine& m) {
         m.w.AddKey(std::string(kBranch9x) + "\\VEN_FFFF&DEV_0001&SUBSYS_00000000&REV_01");
         Branch(m).failEnumAt = 2;
     },
     kInstalled},
    {"branch_shrank_before_a_match",
     [](Machine& m) {
         m.AddPackage("A=DEV_9999\r\n");
         Branch(m).extraReportedSubkeys = 1;
     },
     kEnumFails},
    {"branch_shrank_after_the_match", [](Machine& m) { Branch(m).extraReportedSubkeys = 1; }, kInstalled},
    {"name_too_long", [](Machine& m) { NameFirst(m, kBranch9x, 255); }, kEnumFails},
    {"name_just_fits", [](Machine& m) { NameFirst(m, kBranch9x, 254); }, kInstalled},

    // The copies: no Windows directory means no copy, and the run goes on.
    {"windows_directory_unavailable",
     [](Machine& m) { m.w.windowsDirectoryFails = true; },
     {{}, Copies::kNone, DeviceKey::kDeleted, PackageInstaller::kNotStarted, End::kReturn}},
    {"windows_directory_too_long",
     [](Machine& m) { m.w.windowsDirectory = "C:\\" + std::string(MAX_PATH, 'W'); },
     {{}, Copies::kNone, DeviceKey::kDeleted, PackageInstaller::kNotStarted, End::kReturn}},

    // The deletion.
    {"full_access_refused",
     [](Machine& m) { Branch(m).denyFullAccess = true; },
     {{"Open Key Fail!!"}, Copies::kAll, DeviceKey::kKept, PackageInstaller::kNotStarted, End::kExit}},
    {"deletion_refused",
     [](Machine& m) { m.w.Key(std::string(kBranch9x) + "\\" + kDevice)->denyDelete = true; },
     {{"Delete Key Fail!!"}, Copies::kAll, DeviceKey::kKept, PackageInstaller::kNotStarted, End::kExit}},
};

class Install9xFaultTest : public ::testing::TestWithParam<Row> {};

TEST_P(Install9xFaultTest, EndsAsDecided)
{
    for (const Deliverable* d : {&installer_test::kKestrav, &installer_test::kRavlind})
        for (const System* system : {&k98SE, &kMe})
            RunAndCheck(*d, *system, kBranch9x, GetParam().inject, GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(Faults, Install9xFaultTest, ::testing::ValuesIn(kRows), RowName);

}  // namespace
}  // namespace installer_faults
