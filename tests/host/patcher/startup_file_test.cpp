// c:\config.sys read, backed up, written back or created, and what happens
// when the file system says no.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "patcher_machine.h"

namespace {

const char kMissingText[] = "\r\nBUFFERS=90\r\nFILES=90";

TEST(StartupFileTest, MissingFileIsCreatedWithoutBackup)
{
    PatcherMachine m;
    m.Run();
    EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), kMissingText);
    EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS").size(), 22u);
    EXPECT_FALSE(m.Has("C:\\CONFIG.BAK"));
    EXPECT_FALSE(m.Has("C:\\CONFIG.BK1"));
    EXPECT_TRUE(m.w.CallsNamed("CopyFileA").empty());
    EXPECT_EQ(m.Bytes("C:\\KZM.LOG"), "c:\\kzm.log");
}

TEST(StartupFileTest, EmptyFileIsReadAndBackedUp)
{
    PatcherMachine m;
    m.w.AddFile("C:\\CONFIG.SYS", "");
    m.Run();
    EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), "\r\n\r\nBUFFERS=90\r\nFILES=90");
    ASSERT_TRUE(m.Has("C:\\CONFIG.BAK"));
    EXPECT_EQ(m.Bytes("C:\\CONFIG.BAK"), "");
}

TEST(StartupFileTest, ThreeRunsKeepTheFirstTwoGenerations)
{
    PatcherMachine m;
    const std::string original = "BUFFERS=20\r\nFILES=30\r\n";
    m.w.AddFile("C:\\CONFIG.SYS", original);
    const std::string first = "BUFFERS=90\r\nFILES=90\r\n\r\n";

    m.Run();
    EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), first);
    EXPECT_EQ(m.Bytes("C:\\CONFIG.BAK"), original);
    EXPECT_FALSE(m.Has("C:\\CONFIG.BK1"));

    m.Run();
    EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), first + "\r\n");
    EXPECT_EQ(m.Bytes("C:\\CONFIG.BAK"), original);
    EXPECT_EQ(m.Bytes("C:\\CONFIG.BK1"), first);

    m.w.calls.clear();
    m.Run();
    EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), first + "\r\n\r\n");
    EXPECT_EQ(m.Bytes("C:\\CONFIG.BAK"), original);
    EXPECT_EQ(m.Bytes("C:\\CONFIG.BK1"), first);
    EXPECT_TRUE(m.w.CallsNamed("CopyFileA").empty());
    EXPECT_TRUE(m.w.boxes.empty());
}

// Which backup a run makes depends only on which ones open for reading.
TEST(StartupFileTest, BackupGoesToTheFirstThatDoesNotOpen)
{
    struct {
        const char* name;
        std::function<void(fake::FakeWindows&)> setUp;
        const char* bak;  // after the run; nullptr: absent
        const char* bk1;
    } cases[] = {
        {"neither", [](fake::FakeWindows&) {}, "FILES=30\r\n", nullptr},
        {"only bak", [](fake::FakeWindows& w) { w.AddFile("C:\\CONFIG.BAK", "bak"); }, "bak", "FILES=30\r\n"},
        {"only bk1", [](fake::FakeWindows& w) { w.AddFile("C:\\CONFIG.BK1", "bk1"); }, "FILES=30\r\n", "bk1"},
        {"both",
         [](fake::FakeWindows& w) {
             w.AddFile("C:\\CONFIG.BAK", "bak");
             w.AddFile("C:\\CONFIG.BK1", "bk1");
         },
         "bak", "bk1"},
        {"bak unreadable", [](fake::FakeWindows& w) { w.AddFile("C:\\CONFIG.BAK", "bak").faults.denyRead = true; },
         "FILES=30\r\n", nullptr},
    };
    for (const auto& c : cases) {
        PatcherMachine m;
        m.w.AddFile("C:\\CONFIG.SYS", "FILES=30\r\n");
        c.setUp(m.w);
        m.Run();
        EXPECT_EQ(m.Has("C:\\CONFIG.BAK"), c.bak != nullptr) << c.name;
        if (c.bak != nullptr) {
            EXPECT_EQ(m.Bytes("C:\\CONFIG.BAK"), c.bak) << c.name;
        }
        EXPECT_EQ(m.Has("C:\\CONFIG.BK1"), c.bk1 != nullptr) << c.name;
        if (c.bk1 != nullptr) {
            EXPECT_EQ(m.Bytes("C:\\CONFIG.BK1"), c.bk1) << c.name;
        }
        EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), "FILES=90\r\n\r\n\r\nBUFFERS=90") << c.name;
    }
}

TEST(StartupFileTest, FailedBackupIsNotReportedAndTheRunGoesOn)
{
    PatcherMachine m;
    m.w.AddFile("C:\\CONFIG.SYS", "FILES=30\r\n");
    fake::FakeFile& bak = m.w.AddFile("C:\\CONFIG.BAK", "bak");
    bak.faults.denyRead = true;
    bak.faults.readOnly = true;
    m.Run();
    EXPECT_EQ(m.w.CallsNamed("CopyFileA"),
              std::vector<std::string>{"CopyFileA(\"c:\\config.sys\", \"c:\\config.bak\", 0)"});
    EXPECT_EQ(m.Bytes("C:\\CONFIG.BAK"), "bak");
    EXPECT_FALSE(m.Has("C:\\CONFIG.BK1"));
    EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), "FILES=90\r\n\r\n\r\nBUFFERS=90");
    EXPECT_TRUE(m.w.boxes.empty());
    EXPECT_EQ(m.Bytes("C:\\KZM.LOG"), "c:\\kzm.log");
}

TEST(StartupFileTest, ShorterTextLeavesNoOldBytesBehind)
{
    PatcherMachine m;
    m.w.AddFile("C:\\CONFIG.SYS", "BUFFERS=20,0\r\nFILES=030\r\n");
    m.Run();
    EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), "BUFFERS=90\r\nFILES=90\r\n\r\n");
}

TEST(StartupFileTest, NulByteAndWhatFollowsItAreWrittenBack)
{
    PatcherMachine m;
    const std::string content("BUFFERS=20\r\n\0FILES=30\r\nSHELL=X\r\n", 32);
    m.w.AddFile("C:\\CONFIG.SYS", content);
    m.Run();
    EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), std::string("BUFFERS=90\r\n\0FILES=90\r\nSHELL=X\r\n\r\n", 34));
    EXPECT_EQ(m.Bytes("C:\\CONFIG.BAK"), content);
}

TEST(StartupFileTest, WriteBackHoldsTheFileWithoutSharing)
{
    PatcherMachine m;
    m.w.AddFile("C:\\CONFIG.SYS", "FILES=99\r\nBUFFERS=99\r\n");
    m.Run();
    EXPECT_EQ(m.w.CallsNamed("CreateFileA"),
              std::vector<std::string>{"CreateFileA(\"c:\\config.sys\", 0x40000000, 0, 3)"});
    EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), "FILES=99\r\nBUFFERS=99\r\n\r\n");
}

TEST(StartupFileTest, RunsUnderTheCodePageOfTheSystem)
{
    PatcherMachine m;
    m.w.leadBytes = LeadByteTable::ShiftJis();
    m.w.AddFile("C:\\CONFIG.SYS", "REM \x83\x42UFFERS=20\r\nBUFFERS=30\r\nFILES=99\r\n");
    m.Run();
    EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), "REM \x83\x42UFFERS=20\r\nBUFFERS=90\r\nFILES=99\r\n\r\n");
}

// Every failure to read, write or create c:\config.sys: reported, never
// finished as if it had worked, and a file that could not be read is not
// replaced.
struct FailureCase {
    const char* name;
    std::function<void(fake::FakeWindows&)> setUp;
    bool backupMade;
};

void PrintTo(const FailureCase& c, std::ostream* out)
{
    *out << c.name;
}

class PatchFailureTest : public ::testing::TestWithParam<FailureCase> {};

const std::string kOriginal = "BUFFERS=20\r\nFILES=30\r\n";

TEST_P(PatchFailureTest, IsReportedAndTheFileKeepsItsContent)
{
    const FailureCase& c = GetParam();
    PatcherMachine m;
    m.w.AddFile("C:\\CONFIG.SYS", kOriginal);
    c.setUp(m.w);
    const bool existed = m.Has("C:\\CONFIG.SYS");
    fake::RunResult result = m.Run(kPromptTail);

    ASSERT_EQ(m.w.boxes.size(), 1u);
    const fake::MessageBoxRecord& box = m.w.boxes[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.text, kFailureText);
    EXPECT_EQ(box.caption, "Varnolt");
    EXPECT_EQ(box.Buttons(), MB_OK);
    EXPECT_EQ(box.Icon(), MB_ICONEXCLAMATION);
    EXPECT_TRUE(result.endedByExit);
    EXPECT_FALSE(m.Has("C:\\KZM.LOG"));
    EXPECT_TRUE(m.w.CallsNamed("ExitWindowsEx").empty());
    if (existed) {
        EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), kOriginal);
    }
    EXPECT_EQ(m.Has("C:\\CONFIG.BAK"), c.backupMade);
    if (c.backupMade) {
        EXPECT_EQ(m.Bytes("C:\\CONFIG.BAK"), kOriginal);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, PatchFailureTest,
    ::testing::Values(
        FailureCase{"no_read_access", [](fake::FakeWindows& w) { w.File("C:\\CONFIG.SYS")->faults.denyRead = true; },
                    false},
        FailureCase{"held_by_another_program",
                    [](fake::FakeWindows& w) { w.File("C:\\CONFIG.SYS")->faults.locked = true; }, false},
        FailureCase{"short_read", [](fake::FakeWindows& w) { w.File("C:\\CONFIG.SYS")->faults.shortReadBy = 1; },
                    false},
        FailureCase{"no_memory_for_the_buffer", [](fake::FakeWindows& w) { w.failAllocationsOf = 23; }, false},
        FailureCase{"a_directory",
                    [](fake::FakeWindows& w) {
                        w.RemoveFile("C:\\CONFIG.SYS");
                        w.AddDirectory("C:\\CONFIG.SYS");
                    },
                    false},
        FailureCase{"read_only", [](fake::FakeWindows& w) { w.File("C:\\CONFIG.SYS")->faults.readOnly = true; },
                    true},
        FailureCase{"write_fails", [](fake::FakeWindows& w) { w.File("C:\\CONFIG.SYS")->faults.writeFails = true; },
                    true},
        // The new text is two bytes longer than the old one.
        FailureCase{"disk_full_while_writing",
                    [](fake::FakeWindows& w) { w.File("C:\\CONFIG.SYS")->faults.diskFullAfter = kOriginal.size() + 1; },
                    true}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(CreateFailureTest, MissingFileThatCannotBeCreatedIsReported)
{
    struct {
        const char* name;
        fake::FileFaults faults;
        const char* leftBehind;  // nullptr: no file
    } cases[] = {
        {"drive refuses new files", [] { fake::FileFaults f; f.readOnly = true; return f; }(), nullptr},
        {"nothing can be written", [] { fake::FileFaults f; f.writeFails = true; return f; }(), nullptr},
        {"disk full", [] { fake::FileFaults f; f.diskFullAfter = 5; return f; }(), nullptr},
    };
    for (const auto& c : cases) {
        PatcherMachine m;
        m.w.newFileFaults = c.faults;
        fake::RunResult result = m.Run(kPromptTail);
        ASSERT_EQ(m.w.boxes.size(), 1u) << c.name;
        EXPECT_EQ(m.w.boxes[0].text, kFailureText) << c.name;
        EXPECT_EQ(m.w.boxes[0].type, MB_OK | MB_ICONEXCLAMATION) << c.name;
        EXPECT_TRUE(result.endedByExit) << c.name;
        EXPECT_FALSE(m.Has("C:\\KZM.LOG")) << c.name;
        EXPECT_EQ(m.Has("C:\\CONFIG.SYS"), c.leftBehind != nullptr) << c.name;
        if (c.leftBehind != nullptr) {
            EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), c.leftBehind) << c.name;
        }
    }
}

}  // namespace
