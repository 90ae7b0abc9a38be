// Writing the new text back over c:\config.sys: a failure is reported, the
// old content is put back, and the backup this run made stays.
#include "patcher_outcome.h"

namespace patcher_faults {
namespace {

fake::FileFaults& ConfigSys(fake::FakeWindows& w)
{
    return w.File("C:\\CONFIG.SYS")->faults;
}

const char kGrowsOld[] = "BUFFERS=20\r\nFILES=30\r\n";
const char kShrinksOld[] = "BUFFERS=20,0\r\nFILES=030\r\n";
const char kSameLengthOld[] = "BUFFERS=20,0\r\nFILES=99\r\n";

class WriteBackFaultTest : public ::testing::TestWithParam<Row> {};

TEST_P(WriteBackFaultTest, EndsAsDecided)
{
    RunAndCheck(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Faults, WriteBackFaultTest,
                         ::testing::Values(Row{"read_only",
                                               &kGrows,
                                               [](fake::FakeWindows& w) { ConfigSys(w).readOnly = true; },
                                               {true, ConfigSys::kAsBefore, kGrowsOld, nullptr, nullptr}},
                                           // Refused on the way back too: nothing was written either time.
                                           Row{"write_refused",
                                               &kGrows,
                                               [](fake::FakeWindows& w) { ConfigSys(w).writeFails = true; },
                                               {true, ConfigSys::kAsBefore, kGrowsOld, nullptr, nullptr}},
                                           // Full before the first byte, or inside the old length (the restore
                                           // stops where the write did, and the old bytes past it were never touched).
                                           Row{"disk_full_at_once",
                                               &kGrows,
                                               [](fake::FakeWindows& w) { ConfigSys(w).diskFullAfter = 0; },
                                               {true, ConfigSys::kAsBefore, kGrowsOld, nullptr, nullptr}},
                                           Row{"disk_full_within_the_old_length",
                                               &kGrows,
                                               [](fake::FakeWindows& w) { ConfigSys(w).diskFullAfter = 11; },
                                               {true, ConfigSys::kAsBefore, kGrowsOld, nullptr, nullptr}},
                                           Row{"shorter_text_on_a_disk_full_within_it",
                                               &kShrinks,
                                               [](fake::FakeWindows& w) { ConfigSys(w).diskFullAfter = 12; },
                                               {true, ConfigSys::kAsBefore, kShrinksOld, nullptr, nullptr}},
                                           Row{"disk_full_beyond_the_old_length",
                                               &kGrows,
                                               [](fake::FakeWindows& w) { ConfigSys(w).diskFullAfter = 23; },
                                               {true, ConfigSys::kAsBefore, kGrowsOld, nullptr, nullptr}},
                                           Row{"disk_full_just_after_the_new_text",
                                               &kGrows,
                                               [](fake::FakeWindows& w) { ConfigSys(w).diskFullAfter = 24; },
                                               {false, ConfigSys::kNewText, kGrowsOld, nullptr, kMarker}},
                                           Row{"shorter_text_fits_a_full_disk",
                                               &kShrinks,
                                               [](fake::FakeWindows& w) { ConfigSys(w).diskFullAfter = 25; },
                                               {false, ConfigSys::kNewText, kShrinksOld, nullptr, kMarker}}),
                         RowName);

}  // namespace
}  // namespace patcher_faults
