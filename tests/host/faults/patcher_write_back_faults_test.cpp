// Writing the new text back over c:\config.sys: a failure is reported, the
// old content is put back, and the backup this run made stays.
#include "patcher_outcome.h"

namespace patcher_faults {
namespace {

fake::FileFaults& ConfigSysFaults(fake::FakeWindows& w)
{
    return w.File("C:\\CONFIG.SYS")->faults;
}

Outcome PutBack(const Content& content)
{
    return {Report::kFailure, ConfigSys::kAsBefore, content.before, nullptr, nullptr};
}

Outcome Written(const Content& content)
{
    return {Report::kNothing, ConfigSys::kNewText, content.before, nullptr, kMarker};
}

// kGrows is 22 bytes and becomes 24, kShrinks is 25 and becomes 24.
const Row kRows[] = {
    {"read_only", &kGrows, [](fake::FakeWindows& w) { ConfigSysFaults(w).readOnly = true; }, PutBack(kGrows)},
    // Refused on the way back too: nothing was written either time.
    {"write_refused", &kGrows, [](fake::FakeWindows& w) { ConfigSysFaults(w).writeFails = true; }, PutBack(kGrows)},

    // The put-back stops where the write did; the old bytes past that point
    // were never touched.
    {"disk_full_at_once", &kGrows, [](fake::FakeWindows& w) { ConfigSysFaults(w).diskFullAfter = 0; },
     PutBack(kGrows)},
    {"disk_full_within_the_old_length", &kGrows,
     [](fake::FakeWindows& w) { ConfigSysFaults(w).diskFullAfter = 11; }, PutBack(kGrows)},
    {"disk_full_beyond_the_old_length", &kGrows,
     [](fake::FakeWindows& w) { ConfigSysFaults(w).diskFullAfter = 23; }, PutBack(kGrows)},
    {"disk_full_just_after_the_new_text", &kGrows,
     [](fake::FakeWindows& w) { ConfigSysFaults(w).diskFullAfter = 24; }, Written(kGrows)},
    {"shorter_text_on_a_disk_full_within_it", &kShrinks,
     [](fake::FakeWindows& w) { ConfigSysFaults(w).diskFullAfter = 12; }, PutBack(kShrinks)},
    {"shorter_text_fits_a_full_disk", &kShrinks,
     [](fake::FakeWindows& w) { ConfigSysFaults(w).diskFullAfter = 24; }, Written(kShrinks)},

    // A cut that fails matters only where old bytes lie past the new text.
    {"cut_refused_after_a_shorter_text", &kShrinks,
     [](fake::FakeWindows& w) { ConfigSysFaults(w).truncateFails = true; }, PutBack(kShrinks)},
    {"cut_refused_after_a_text_as_long", &kSameLength,
     [](fake::FakeWindows& w) { ConfigSysFaults(w).truncateFails = true; }, Written(kSameLength)},
    {"cut_refused_after_a_longer_text", &kGrows,
     [](fake::FakeWindows& w) { ConfigSysFaults(w).truncateFails = true; }, Written(kGrows)},
};

class WriteBackFaultTest : public ::testing::TestWithParam<Row> {};

TEST_P(WriteBackFaultTest, EndsAsDecided)
{
    RunAndCheck(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Faults, WriteBackFaultTest, ::testing::ValuesIn(kRows), RowName);

}  // namespace
}  // namespace patcher_faults
