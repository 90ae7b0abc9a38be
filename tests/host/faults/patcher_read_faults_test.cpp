// c:\config.sys there but not to be read: reported, and never replaced by a
// new file. Missing: created, which is no fault.
#include "patcher_outcome.h"

namespace patcher_faults {
namespace {

fake::FileFaults& ConfigSysFaults(fake::FakeWindows& w)
{
    return w.File("C:\\CONFIG.SYS")->faults;
}

const Outcome kUntouched = {Report::kFailure, ConfigSys::kAsBefore, nullptr, nullptr, nullptr};

const Row kRows[] = {
    {"file_missing", &kMissing, [](fake::FakeWindows&) {},
     {Report::kNothing, ConfigSys::kNewText, nullptr, nullptr, kMarker}},
    {"no_read_access", &kGrows, [](fake::FakeWindows& w) { ConfigSysFaults(w).denyRead = true; }, kUntouched},
    {"held_open_by_another_program", &kGrows, [](fake::FakeWindows& w) { ConfigSysFaults(w).locked = true; },
     kUntouched},
    {"short_read", &kGrows, [](fake::FakeWindows& w) { ConfigSysFaults(w).shortReadBy = 1; }, kUntouched},
    {"nothing_read", &kGrows, [](fake::FakeWindows& w) { ConfigSysFaults(w).shortReadBy = 22; }, kUntouched},
    {"no_memory_for_the_buffer", &kGrows, [](fake::FakeWindows& w) { w.failAllocationsOf = 1; }, kUntouched},
};

class ReadFaultTest : public ::testing::TestWithParam<Row> {};

TEST_P(ReadFaultTest, EndsAsDecided)
{
    RunAndCheck(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Faults, ReadFaultTest, ::testing::ValuesIn(kRows), RowName);

}  // namespace
}  // namespace patcher_faults
