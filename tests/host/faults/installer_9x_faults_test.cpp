// Every fault the installation on Windows 98 SE and Me can meet, one row
// each, run for both deliverables on both systems.
#include <string>

#include "installer_outcome.h"

namespace installer_faults {
namespace {

using installer_test::kBranch9x;
using installer_test::kDevice;

const char kKeyFileMissing[] = "key.ini not found !!";

fake::RegistryKey& Branch(Machine& m)
{
    return *m.w.Key(kBranch9x);
}

const Outcome kNotFound = {
    {kKeyFileMissing}, Copies::kNone, DeviceKey::kKept, PackageInstaller::kNotStarted, End::kExit};
const Outcome kInstalled = {{}, Copies::kAll, DeviceKey::kDeleted, PackageInstaller::kNotStarted, End::kReturn};
const Outcome kEnumFails = {
    {"Enum Key Fail !!"}, Copies::kNone, DeviceKey::kKept, PackageInstaller::kNotStarted, End::kExit};

const Row kRows[] = {
    // The key file, and the directory it is looked for in.
    {"key_file_missing", [](Machine& m) { m.w.RemoveFile(m.Package(m.d.keyFile)); }, kNotFound},
    {"key_file_unreadable", [](Machine& m) { KeyFileFaults(m, [](fake::FileFaults& f) { f.denyRead = true; }); },
     kNotFound},
    {"key_file_held_open", [](Machine& m) { KeyFileFaults(m, [](fake::FileFaults& f) { f.locked = true; }); },
     kNotFound},
    {"key_file_short_read", [](Machine& m) { KeyFileFaults(m, [](fake::FileFaults& f) { f.shortReadBy = 1; }); },
     kNotFound},
    {"no_memory_for_the_key_file", [](Machine& m) { m.w.failAllocationsOf = 1; }, kNotFound},
    {"startup_directory_unavailable", [](Machine& m) { m.w.currentDirectoryFails = true; }, kNotFound},
    {"startup_directory_too_long", [](Machine& m) { m.w.currentDirectory = "C:\\" + std::string(300, 'D'); },
     kNotFound},

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
