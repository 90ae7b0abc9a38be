// c:\config.sys missing and the new one cannot be made: reported, with no
// file left behind that a later run would take for the real one.
#include "patcher_outcome.h"

namespace patcher_faults {
namespace {

const Outcome kNoFile = {Report::kFailure, ConfigSys::kAsBefore, nullptr, nullptr, nullptr};

const Row kRows[] = {
    {"drive_takes_no_new_files", &kMissing, [](fake::FakeWindows& w) { w.newFileFaults.readOnly = true; }, kNoFile},
    {"disk_just_big_enough", &kMissing, [](fake::FakeWindows& w) { w.newFileFaults.diskFullAfter = 22; },
     {Report::kNothing, ConfigSys::kNewText, nullptr, nullptr, kMarker}},
};

class CreateFaultTest : public ::testing::TestWithParam<Row> {};

TEST_P(CreateFaultTest, EndsAsDecided)
{
    RunAndCheck(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Faults, CreateFaultTest, ::testing::ValuesIn(kRows), RowName);

}  // namespace
}  // namespace patcher_faults
