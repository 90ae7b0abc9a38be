// The key file and the start-up directory it is looked for in: whatever
// fails there ends the run before the lookup, alike on both Windows families.
#include <string>

#include "installer_outcome.h"

namespace installer_faults {
namespace {

using installer_test::kBranch9x;
using installer_test::kBranchNt;

const Outcome kNotFound = {
    {"key.ini not found !!"}, Copies::kNone, DeviceKey::kKept, PackageInstaller::kNotStarted, End::kExit};

const Row kRows[] = {
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
};

class KeyFileFaultTest : public ::testing::TestWithParam<Row> {};

TEST_P(KeyFileFaultTest, EndsBeforeTheLookup)
{
    struct {
        const System* system;
        const char* branch;
    } const systems[] = {{&k98SE, kBranch9x}, {&kMe, kBranch9x}, {&k2000, kBranchNt}, {&kXP, kBranchNt}};
    for (const Deliverable* d : {&installer_test::kKestrav, &installer_test::kRavlind})
        for (const auto& s : systems)
            RunAndCheck(*d, *s.system, s.branch, GetParam().inject, GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(Faults, KeyFileFaultTest, ::testing::ValuesIn(kRows), RowName);

}  // namespace
}  // namespace installer_faults
