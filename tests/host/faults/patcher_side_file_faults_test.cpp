// The backups and the marker: a failure to write them is not reported, and
// c:\config.sys is patched all the same.
#include "patcher_outcome.h"

namespace patcher_faults {
namespace {

class SideFileFaultTest : public ::testing::TestWithParam<Row> {};

TEST_P(SideFileFaultTest, EndsAsDecided)
{
    RunAndCheck(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Faults, SideFileFaultTest,
                         ::testing::Values(
                             // Backups
                             Row{"second_backup_refused",
                                 &kGrows,
                                 [](fake::FakeWindows& w) {
                                     w.AddFile("C:\\CONFIG.BAK", "bak");
                                     fake::FakeFile& bk1 = w.AddFile("C:\\CONFIG.BK1", "bk1");
                                     bk1.faults.denyRead = true;
                                     bk1.faults.readOnly = true;
                                 },
                                 {false, ConfigSys::kNewText, "bak", "bk1", kMarker}},
                             // It does not open, so it counts as absent; the copy over it fails.
                             Row{"first_backup_held_open",
                                 &kGrows,
                                 [](fake::FakeWindows& w) { w.AddFile("C:\\CONFIG.BAK", "bak").faults.locked = true; },
                                 {false, ConfigSys::kNewText, "bak", nullptr, kMarker}},
                             Row{"drive_takes_no_new_files",
                                 &kGrows,
                                 [](fake::FakeWindows& w) { w.newFileFaults.readOnly = true; },
                                 {false, ConfigSys::kNewText, nullptr, nullptr, nullptr}},
                             Row{"drive_full_for_new_files",
                                 &kGrows,
                                 [](fake::FakeWindows& w) { w.newFileFaults.diskFullAfter = 5; },
                                 {false, ConfigSys::kNewText, "BUFFE", nullptr, "c:\\kz"}},

                             // Marker
                             Row{"marker_disk_full",
                                 &kGrows,
                                 [](fake::FakeWindows& w) { w.AddFile("C:\\KZM.LOG", "old").faults.diskFullAfter = 4; },
                                 {false, ConfigSys::kNewText, kGrows.before, nullptr, "c:\\k"}},
                             Row{"marker_lost_at_close",
                                 &kGrows,
                                 [](fake::FakeWindows& w) { w.AddFile("C:\\KZM.LOG", "old").faults.flushFails = true; },
                                 {false, ConfigSys::kNewText, kGrows.before, nullptr, ""}}),
                         RowName);

}  // namespace
}  // namespace patcher_faults
