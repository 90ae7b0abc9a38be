// c:\config.sys missing and the new one cannot be made: reported, with no
// file left behind that a later run would take for the real one.
#include "patcher_outcome.h"

namespace patcher_faults {
namespace {

const Outcome kNoFile = {true, ConfigSys::kAsBefore, nullptr, nullptr, nullptr};

class CreateFaultTest : public ::testing::TestWithParam<Row> {};

TEST_P(CreateFaultTest, EndsAsDecided)
{
    RunAndCheck(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Faults, CreateFaultTest,
                         ::testing::Values(Row{"drive_takes_no_new_files", &kMissing,
                                               [](fake::FakeWindows& w) { w.newFileFaults.readOnly = true; }, kNoFile},
                                           Row{"disk_just_big_enough",
                                               &kMissing,
                                               [](fake::FakeWindows& w) { w.newFileFaults.diskFullAfter = 22; },
                                               {false, ConfigSys::kNewText, nullptr, nullptr, kMarker}}),
                         RowName);

}  // namespace
}  // namespace patcher_faults
