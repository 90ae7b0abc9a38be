// Wherever the disk fills up, c:\config.sys ends as it was or as exactly the
// new text, and the run says which: the failure box, or the marker.
#include <algorithm>
#include <cstring>

#include "patcher_outcome.h"

namespace patcher_faults {
namespace {

const Content kTypical = {
    "typical", "DEVICE=C:\\WINDOWS\\HIMEM.SYS\r\nDOS=HIGH,UMB\r\nBUFFERS=30,0\r\nFILES=40\r\nLASTDRIVE=Z\r\n",
    "DEVICE=C:\\WINDOWS\\HIMEM.SYS\r\nDOS=HIGH,UMB\r\nBUFFERS=90\r\nFILES=90\r\nLASTDRIVE=Z\r\n\r\n"};

const Content kEmpty = {"empty", "", "\r\n\r\nBUFFERS=90\r\nFILES=90"};

class DiskFullSweepTest : public ::testing::TestWithParam<const Content*> {};

TEST_P(DiskFullSweepTest, LeavesTheFileWholeOrNew)
{
    const Content& content = *GetParam();
    const size_t before = content.before != nullptr ? std::strlen(content.before) : 0;
    const size_t last = std::max(before, std::strlen(content.after)) + 1;
    for (size_t full = 0; full <= last; ++full) {
        SCOPED_TRACE("disk full after " + std::to_string(full) + " bytes");
        PatcherMachine m;
        if (content.before != nullptr)
            m.w.AddFile("C:\\CONFIG.SYS", content.before).faults.diskFullAfter = full;
        else
            m.w.newFileFaults.diskFullAfter = full;
        m.Run();

        EXPECT_TRUE(WholeOrNew(content, m.w));
        const fake::FakeFile* file = m.w.File("C:\\CONFIG.SYS");
        const bool changed = file != nullptr && file->bytes == content.after;
        const bool reported = m.w.boxes.size() == 1 && m.w.boxes[0].text == kFailureText;
        EXPECT_NE(changed, reported);
        EXPECT_EQ(m.w.boxes.size(), reported ? 1u : 0u);
        EXPECT_EQ(m.Has("C:\\KZM.LOG"), changed);
    }
}

INSTANTIATE_TEST_SUITE_P(Contents, DiskFullSweepTest,
                         ::testing::Values(&kGrows, &kShrinks, &kSameLength, &kTypical, &kEmpty, &kMissing),
                         [](const ::testing::TestParamInfo<const Content*>& info) { return info.param->name; });

}  // namespace
}  // namespace patcher_faults
