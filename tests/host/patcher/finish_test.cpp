// How a run ends after c:\config.sys is written: the marker file, or the
// restart prompt on the one exact command line.
#include <gtest/gtest.h>

#include <string>

#include "patcher_machine.h"

namespace {

const std::string kExe = "C:\\SETUP\\Varnolt.exe";

struct FinishCase {
    const char* name;
    std::string commandLine;
    int answer;        // to the prompt, if one shows
    bool prompt;
    bool marker;
    bool restart;
    bool endedByExit;
};

void PrintTo(const FinishCase& c, std::ostream* out)
{
    *out << c.name;
}

class FinishTest : public ::testing::TestWithParam<FinishCase> {};

TEST_P(FinishTest, EndsTheRunAsTheCommandLineAsks)
{
    const FinishCase& c = GetParam();
    PatcherMachine m;
    m.w.AddFile("C:\\CONFIG.SYS", "BUFFERS=30\r\nFILES=40\r\n");
    m.w.answers.push_back(c.answer);
    fake::RunResult result = m.RunCommandLine(c.commandLine);

    EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), "BUFFERS=90\r\nFILES=90\r\n\r\n");
    if (c.prompt) {
        ASSERT_EQ(m.w.boxes.size(), 1u);
        const fake::MessageBoxRecord& box = m.w.boxes[0];
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(box.text, kPromptText);
        EXPECT_EQ(box.caption, "Varnolt");
        EXPECT_EQ(box.Buttons(), MB_OKCANCEL);
        EXPECT_EQ(box.Icon(), MB_ICONEXCLAMATION);
    } else {
        EXPECT_TRUE(m.w.boxes.empty());
    }
    EXPECT_EQ(m.Has("C:\\KZM.LOG"), c.marker);
    if (c.marker) {
        EXPECT_EQ(m.Bytes("C:\\KZM.LOG"), "c:\\kzm.log");
    }
    EXPECT_EQ(m.w.CallsNamed("ExitWindowsEx"),
              c.restart ? std::vector<std::string>{"ExitWindowsEx(2, 0)"} : std::vector<std::string>{});
    EXPECT_EQ(result.endedByExit, c.endedByExit);
}

INSTANTIATE_TEST_SUITE_P(
    Tails, FinishTest,
    ::testing::Values(
        FinishCase{"no_arguments", kExe, IDOK, false, true, false, true},
        FinishCase{"no_arguments_trailing_blank", kExe + " ", IDOK, false, true, false, true},
        FinishCase{"exact_tail_cancel", kExe + " " + kPromptTail, IDCANCEL, true, false, false, true},
        FinishCase{"exact_tail_ok", kExe + " " + kPromptTail, IDOK, true, false, true, false},
        FinishCase{"exact_tail_box_fails", kExe + " " + kPromptTail, 0, true, false, false, false},
        FinishCase{"exact_tail_quoted_program", "\"C:\\SET UP\\Varnolt.exe\"" + std::string(kPromptTail), IDCANCEL,
                   true, false, false, true},
        FinishCase{"exact_tail_after_blanks_and_tab", kExe + "  \t" + kPromptTail, IDCANCEL, true, false, false, true},
        FinishCase{"trailing_blank", kExe + " " + kPromptTail + " ", IDOK, false, true, false, true},
        FinishCase{"capital_s", kExe + " -S -f2\"c:\\tqv.log\"", IDOK, false, true, false, true},
        FinishCase{"capital_drive", kExe + " -s -f2\"C:\\tqv.log\"", IDOK, false, true, false, true},
        FinishCase{"unquoted_log", kExe + " -s -f2c:\\tqv.log", IDOK, false, true, false, true},
        FinishCase{"tail_cut_short", kExe + " -s", IDOK, false, true, false, true},
        FinishCase{"tail_run_on", kExe + " -s -f2\"c:\\tqv.log\"x", IDOK, false, true, false, true}),
    [](const ::testing::TestParamInfo<FinishCase>& info) { return std::string(info.param.name); });

TEST(FinishPatchTest, CreatedFileIsFinishedTheSameWay)
{
    PatcherMachine m;
    m.w.answers.push_back(IDCANCEL);
    m.Run(kPromptTail);
    EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), "\r\nBUFFERS=90\r\nFILES=90");
    ASSERT_EQ(m.w.boxes.size(), 1u);
    EXPECT_EQ(m.w.boxes[0].text, kPromptText);
    EXPECT_FALSE(m.Has("C:\\KZM.LOG"));

    PatcherMachine quiet;
    quiet.Run();
    EXPECT_EQ(quiet.Bytes("C:\\KZM.LOG"), "c:\\kzm.log");
    EXPECT_TRUE(quiet.w.boxes.empty());
}

TEST(FinishPatchTest, MarkerIsOverwrittenWhole)
{
    PatcherMachine m;
    m.w.AddFile("C:\\KZM.LOG", "an older and longer marker");
    m.Run();
    EXPECT_EQ(m.Bytes("C:\\KZM.LOG"), "c:\\kzm.log");
}

TEST(FinishPatchTest, MarkerThatCannotBeWrittenEndsQuietly)
{
    PatcherMachine m;
    m.w.AddFile("C:\\CONFIG.SYS", "FILES=30\r\n");
    m.w.AddFile("C:\\KZM.LOG", "old").faults.readOnly = true;
    fake::RunResult result = m.Run();
    EXPECT_TRUE(result.endedByExit);
    EXPECT_TRUE(m.w.boxes.empty());
    EXPECT_EQ(m.Bytes("C:\\KZM.LOG"), "old");
    EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), "FILES=90\r\n\r\n\r\nBUFFERS=90");
}

}  // namespace
