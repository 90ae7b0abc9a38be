// c:\config.sys missing and the new one cannot be made: reported, with no
// file left behind that a later run would take for the real one.
#include "patcher_outcome.h"

namespace patcher_faults {
namespace {

const Outcome kNoFile = {Report::kFailure, ConfigSys::kAsBefore, nullptr, nullptr, nullptr};

const Row kRows[] = {
    {"drive_takes_no_new_files", &kMissing, [](fake::FakeWindows& w) { w.newFileFaults.readOnly = true; }, kNoFile},
    {"nothing_can_be_written", &kMissing, [](fake::FakeWindows& w) { w.newFileFaults.writeFails = true; }, kNoFile},
    {"disk_full_at_once", &kMissing, [](fake::FakeWindows& w) { w.newFileFaults.diskFullAfter = 0; }, kNoFile},
    {"disk_full_part_way", &kMissing, [](fake::FakeWindows& w) { w.newFileFaults.diskFullAfter = 5; }, kNoFile},
    {"disk_full_one_byte_short", &kMissing, [](fake::FakeWindows& w) { w.newFileFaults.diskFullAfter = 21; },
     kNoFile},
    // The run-time took the bytes into its buffer; writing them out at the close failed.
    {"lost_at_close", &kMissing, [](fake::FakeWindows& w) { w.newFileFaults.flushFails = true; }, kNoFile},
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
