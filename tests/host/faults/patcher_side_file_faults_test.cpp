// The backups and the marker: a failure to write them is not reported, and
// c:\config.sys is patched all the same.
#include "patcher_outcome.h"

namespace patcher_faults {
namespace {

const Row kRows[] = {
    // Backups
    {"second_backup_refused", &kGrows,
     [](fake::FakeWindows& w) {
         w.AddFile("C:\\CONFIG.BAK", "bak");
         fake::FakeFile& bk1 = w.AddFile("C:\\CONFIG.BK1", "bk1");
         bk1.faults.denyRead = true;
         bk1.faults.readOnly = true;
     },
     {Report::kNothing, ConfigSys::kNewText, "bak", "bk1", kMarker}},
    // It does not open, so it counts as absent; the copy over it fails.
    {"first_backup_held_open", &kGrows,
     [](fake::FakeWindows& w) { w.AddFile("C:\\CONFIG.BAK", "bak").faults.locked = true; },
     {Report::kNothing, ConfigSys::kNewText, "bak", nullptr, kMarker}},
    {"drive_takes_no_new_files", &kGrows, [](fake::FakeWindows& w) { w.newFileFaults.readOnly = true; },
     {Report::kNothing, ConfigSys::kNewText, nullptr, nullptr, nullptr}},
    {"drive_full_for_new_files", &kGrows, [](fake::FakeWindows& w) { w.newFileFaults.diskFullAfter = 5; },
     {Report::kNothing, ConfigSys::kNewText, "BUFFE", nullptr, "c:\\kz"}},

    // Marker
    {"marker_disk_full", &kGrows,
     [](fake::FakeWindows& w) { w.AddFile("C:\\KZM.LOG", "old").faults.diskFullAfter = 4; },
     {Report::kNothing, ConfigSys::kNewText, kGrows.before, nullptr, "c:\\k"}},
    {"marker_lost_at_close", &kGrows,
     [](fake::FakeWindows& w) { w.AddFile("C:\\KZM.LOG", "old").faults.flushFails = true; },
     {Report::kNothing, ConfigSys::kNewText, kGrows.before, nullptr, ""}},
};

class SideFileFaultTest : public ::testing::TestWithParam<Row> {};

TEST_P(SideFileFaultTest, EndsAsDecided)
{
    RunAndCheck(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Faults, SideFileFaultTest, ::testing::ValuesIn(kRows), RowName);

}  // namespace
}  // namespace patcher_faults
