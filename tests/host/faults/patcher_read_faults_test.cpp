// c:\config.sys there but not to be read: reported, and never replaced by a
// new file. Missing: created, which is no fault.
#include "patcher_outcome.h"

namespace patcher_faults {
namespace {

fake::FileFaults& ConfigSys(fake::FakeWindows& w)
{
    return w.File("C:\\CONFIG.SYS")->faults;
}

const Outcome kUntouched = {true, ConfigSys::kAsBefore, nullptr, nullptr, nullptr};

class ReadFaultTest : public ::testing::TestWithParam<Row> {};

TEST_P(ReadFaultTest, EndsAsDecided)
{
    RunAndCheck(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ReadFaultTest,
    ::testing::Values(
        Row{"file_missing",
            &kMissing,
            [](fake::FakeWindows&) {},
            {false, ConfigSys::kNewText, nullptr, nullptr, kMarker}},
        Row{"no_read_access", &kGrows, [](fake::FakeWindows& w) { ConfigSys(w).denyRead = true; }, kUntouched},
        Row{"held_open_by_another_program", &kGrows, [](fake::FakeWindows& w) { ConfigSys(w).locked = true; },
            kUntouched},
        Row{"short_read", &kGrows, [](fake::FakeWindows& w) { ConfigSys(w).shortReadBy = 1; }, kUntouched},
        Row{"nothing_read", &kGrows, [](fake::FakeWindows& w) { ConfigSys(w).shortReadBy = 22; }, kUntouched},
        Row{"no_memory_for_the_buffer", &kGrows, [](fake::FakeWindows& w) { w.failAllocationsOf = 1; }, kUntouched}),
    RowName);

}  // namespace
}  // namespace patcher_faults
