// The framework layer: character-wise search, the string, what the entry
// point derives from the process, and the message box it shows.
#include <gtest/gtest.h>

#include <string>

#include "framework/afx_app.h"
#include "framework/afx_file.h"
#include "framework/afx_string.h"
#include "framework/mbcs_search.h"
#include "platform/fake/fake_windows.h"

namespace {

long Find(const std::string& text, const std::string& needle, size_t start, const LeadByteTable& table)
{
    return MbcsFind(text.data(), text.size(), start, needle.data(), needle.size(), table);
}

struct SearchCase {
    const char* name;
    std::string text;
    std::string needle;
    size_t start;
    long singleByte;  // expected under a single-byte code page
    long shiftJis;    // expected under code page 932
};

void PrintTo(const SearchCase& c, std::ostream* out)
{
    *out << c.name;
}

class MbcsFindTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(MbcsFindTest, FindsOnlyAtCharacterBoundaries)
{
    const SearchCase& c = GetParam();
    EXPECT_EQ(Find(c.text, c.needle, c.start, LeadByteTable::SingleByte()), c.singleByte);
    EXPECT_EQ(Find(c.text, c.needle, c.start, LeadByteTable::ShiftJis()), c.shiftJis);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MbcsFindTest,
    ::testing::Values(
        SearchCase{"plain", "FILES=30", "=", 0, 5, 5},
        SearchCase{"absent", "FILES", "=", 0, -1, -1},
        // 0x82 0x3D is one character in 932: its second byte is no "=".
        SearchCase{"trail_byte_is_needle", std::string("A\x82=B=", 5), "=", 0, 2, 4},
        SearchCase{"trail_byte_starts_word", std::string("\x82" "BUFFERS=20", 11), "BUFFERS", 0, 1, -1},
        SearchCase{"after_pair", std::string("\x82\x42" "BUFFERS", 9), "BUFFERS", 0, 2, 2},
        SearchCase{"lead_byte_last", std::string("AB\x82", 3), "\x82", 0, 2, 2},
        SearchCase{"nul_is_ordinary", std::string("A\0=B", 4), "=", 0, 2, 2},
        SearchCase{"nul_in_needle", std::string("A\0=B", 4), std::string("\0=", 2), 0, 1, 1},
        SearchCase{"start_inside", "A=B=C", "=", 2, 3, 3},
        SearchCase{"start_at_end", "A=", "=", 2, -1, -1},
        SearchCase{"start_beyond_end", "A=", "=", 3, -1, -1},
        SearchCase{"empty_needle", "AB", "", 1, 1, 1},
        SearchCase{"case_matters", "buffers", "BUFFERS", 0, -1, -1},
        SearchCase{"high_bytes_single", "\xE0\xE0=", "=", 0, 2, 2},
        SearchCase{"needle_longer", "AB", "ABC", 0, -1, -1}),
    [](const ::testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

TEST(CStringTest, HoldsAnyByteAndStaysTerminated)
{
    CString s(std::string("A\0B", 3).data(), 3);
    EXPECT_EQ(s.GetLength(), 3);
    s += "CD";
    s += 'E';
    EXPECT_EQ(std::string(static_cast<const char*>(s), 6), std::string("A\0BCDE", 6));
    EXPECT_EQ(static_cast<const char*>(s)[6], '\0');
    EXPECT_EQ(s.Find('C'), 3);
}

TEST(CStringTest, ReplaceSplicesAndSelfAssignmentKeepsText)
{
    CString s("BUFFERS=20,0\r\nFILES=30");
    s.Replace(8, 6, "90\r\n");
    EXPECT_STREQ(s, "BUFFERS=90\r\nFILES=30");
    s = static_cast<const char*>(s) + 8;  // part of itself
    EXPECT_STREQ(s, "90\r\nFILES=30");
    s += s;
    EXPECT_STREQ(s, "90\r\nFILES=3090\r\nFILES=30");
    CString empty;
    EXPECT_STREQ(empty, "");
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(CString("ab") + "c", CString("abc"));
}

struct ReplaceCase {
    const char* name;
    std::string text;
    int index;
    int count;
    const char* with;
    std::string expected;
};

// In place now: the bytes after the span move within the buffer, which must
// grow when the new text is longer, and none of them may be lost.
TEST(CStringTest, ReplaceKeepsEveryByteAroundTheSpan)
{
    const ReplaceCase cases[] = {
        {"longer_past_capacity", "FILES=5\r\nSHELL=C:", 6, 3, "90\r\n[more than fits]",
         "FILES=90\r\n[more than fits]SHELL=C:"},
        {"at_the_start", "=5\r\nX", 0, 1, "90", "905\r\nX"},
        {"at_the_end", "FILES=", 6, 0, "90\r\n", "FILES=90\r\n"},
        {"count_past_the_end", "FILES=30", 6, 99, "90", "FILES=90"},
        {"nothing_removed_or_added", "A=B", 1, 0, "", "A=B"},
        {"index_outside", "A=B", 4, 1, "x", "A=B"},
        {"nul_in_the_tail", std::string("A=1\r\n\0Z", 7), 2, 3, "90\r\n", std::string("A=90\r\n\0Z", 8)},
    };
    for (const ReplaceCase& c : cases) {
        CString s(c.text.data(), static_cast<int>(c.text.size()));
        s.Replace(c.index, c.count, c.with);
        EXPECT_EQ(std::string(static_cast<const char*>(s), static_cast<size_t>(s.GetLength())), c.expected) << c.name;
        EXPECT_EQ(static_cast<const char*>(s)[s.GetLength()], '\0') << c.name;
    }

    // The new bytes taken from the part of the text that moves.
    CString own("ab=cdefgh");
    own.Replace(3, 2, static_cast<const char*>(own) + 5);
    EXPECT_STREQ(own, "ab=efghefgh");

    // A value at the top of a large text: the whole tail is still there.
    std::string large = "BUFFERS=20\r\n";
    for (int i = 0; large.size() < 3000000; ++i)
        large += "DEVICEHIGH=C:\\DRV" + std::to_string(i) + ".SYS\r\n";
    CString text(large.data(), static_cast<int>(large.size()));
    text.Replace(8, 4, "90\r\n");
    EXPECT_TRUE(std::string(static_cast<const char*>(text), static_cast<size_t>(text.GetLength())) ==
                "BUFFERS=90\r\n" + large.substr(12));
}

TEST(CStringTest, GrowsToLargeTexts)
{
    CString s;
    for (int i = 0; i < 100000; ++i)
        s += "0123456789";
    EXPECT_EQ(s.GetLength(), 1000000);
    EXPECT_EQ(s.Find("90"), 9);
    EXPECT_EQ(s.Find("90", 999990), -1);
}

TEST(CommandLineTailTest, SkipsProgramNameAndFollowingBlanks)
{
    struct Case {
        const char* commandLine;
        const char* tail;
    } cases[] = {
        {"Varnolt.exe", ""},
        {"C:\\Varnolt.exe -s -f2\"c:\\tqv.log\"", "-s -f2\"c:\\tqv.log\""},
        {"\"C:\\Program Files\\Varnolt.exe\" -s", "-s"},
        {"\"C:\\a b\\V.exe\"x y", "x y"},
        {"\"C:\\unclosed quote", ""},
        {"V.exe \t -s -f2\"c:\\tqv.log\" ", "-s -f2\"c:\\tqv.log\" "},  // trailing blank stays
        {"V.exe\x01\x02-s", "-s"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(CommandLineTail(c.commandLine), c.tail) << c.commandLine;
}

TEST(AppTitleTest, IsFileNameWithoutDirectoryOrExtension)
{
    struct Case {
        const char* path;
        const char* title;
        bool shiftJis;
    } cases[] = {
        {"C:\\DRV\\Kestrav.exe", "Kestrav", false},
        {"Ravlind.EXE", "Ravlind", false},
        {"C:\\a.b\\Varnolt", "Varnolt", false},
        {"C:\\DRV\\setup.v2.exe", "setup.v2", false},
        // 0x95 0x5C is one character in 932; its second byte is no separator.
        {"C:\\\x95\x5C.exe", "\x95\x5C", true},
        {"C:\\\x95\x5C.exe", "", false},
    };
    for (const Case& c : cases) {
        SetAnsiLeadBytes(c.shiftJis ? LeadByteTable::ShiftJis() : LeadByteTable::SingleByte());
        EXPECT_STREQ(AppTitleFromModulePath(c.path), c.title) << c.path;
    }
    SetAnsiLeadBytes(LeadByteTable::SingleByte());
}

class RecordingApp : public CWinApp {
public:
    BOOL result = FALSE;
    std::string seenTitle, seenTail;
    BOOL InitInstance() override
    {
        seenTitle = m_pszAppName;
        seenTail = m_lpCmdLine;
        DoMessageBox("plain", MB_OK, 0);
        DoMessageBox("asks", MB_OKCANCEL | MB_ICONQUESTION, 0);
        return result;
    }
};

TEST(EntryPointTest, PreparesProcessThenRunsInitInstance)
{
    for (BOOL result : {FALSE, TRUE}) {
        fake::FakeWindows w;
        w.modulePath = "C:\\DRV\\Kestrav.exe";
        w.commandLine = "\"C:\\DRV\\Kestrav.exe\"  extra";
        RecordingApp app;
        app.result = result;
        fake::RunResult run = w.Run();

        EXPECT_EQ(run.status, 0);
        EXPECT_FALSE(run.endedByExit);
        EXPECT_EQ(app.seenTitle, "Kestrav");
        EXPECT_EQ(app.seenTail, "extra");
        ASSERT_FALSE(w.calls.empty());
        EXPECT_EQ(w.calls.front(), "SetErrorMode(0x8001)");
        EXPECT_EQ(w.CallsNamed("RunMessageLoop").size(), result ? 1u : 0u);

        ASSERT_EQ(w.boxes.size(), 2u);
        EXPECT_EQ(w.boxes[0].owner, nullptr);
        EXPECT_EQ(w.boxes[0].caption, "Kestrav");
        EXPECT_EQ(w.boxes[0].type, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(w.boxes[1].type, MB_OKCANCEL | MB_ICONQUESTION);  // a named icon stays
    }
}

TEST(CFileTest, WritesFromStartAndCutsToLength)
{
    fake::FakeWindows w;
    w.AddFile("C:\\CONFIG.SYS", "0123456789");
    CFile file;
    ASSERT_TRUE(file.OpenExistingForWrite("c:\\config.sys"));
    EXPECT_TRUE(file.Write("abc", 3));
    EXPECT_TRUE(file.SetLengthHere());
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(w.Contents("C:\\CONFIG.SYS"), "abc");
    EXPECT_EQ(w.openHandles(), 0u);

    EXPECT_FALSE(file.OpenExistingForWrite("c:\\missing.sys"));  // never created
    EXPECT_FALSE(w.FileExists("c:\\missing.sys"));

    w.File("C:\\CONFIG.SYS")->faults.diskFullAfter = 2;
    ASSERT_TRUE(file.OpenExistingForWrite("c:\\config.sys"));
    EXPECT_FALSE(file.Write("xyz", 3));  // short write is a failure
}

}  // namespace
