// Start-up: one working copy at a time, Windows 98 SE only.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "patcher/os_gate.h"
#include "patcher_machine.h"

namespace {

OSVERSIONINFOA Record(DWORD platform, DWORD major, DWORD minor, DWORD build)
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    info.dwPlatformId = platform;
    info.dwMajorVersion = major;
    info.dwMinorVersion = minor;
    info.dwBuildNumber = build;
    return info;
}

TEST(ClassifyVersionForPatchTest, OnlyWindows98SecondEdition)
{
    struct {
        const char* name;
        OSVERSIONINFOA info;
        int expected;
    } cases[] = {
        {"98 SE", Record(VER_PLATFORM_WIN32_WINDOWS, 4, 10, 0x040A08AE), 99},
        {"98 SE, other high word", Record(VER_PLATFORM_WIN32_WINDOWS, 4, 10, 0x000008AE), 99},
        {"major not looked at", Record(VER_PLATFORM_WIN32_WINDOWS, 7, 3, 2222), 99},
        {"98 first edition", Record(VER_PLATFORM_WIN32_WINDOWS, 4, 10, 0x040A07CE), 0},
        {"95", Record(VER_PLATFORM_WIN32_WINDOWS, 4, 0, 0x040003B6), 0},
        {"95 with build 2222", Record(VER_PLATFORM_WIN32_WINDOWS, 4, 0, 2222), 0},
        {"Me", Record(VER_PLATFORM_WIN32_WINDOWS, 4, 90, 0x045A0BB8), 0},
        {"Me with build 2222", Record(VER_PLATFORM_WIN32_WINDOWS, 4, 90, 2222), 0},
        {"NT with 98 SE numbers", Record(VER_PLATFORM_WIN32_NT, 4, 10, 2222), 0},
        {"Win32s with 98 SE numbers", Record(VER_PLATFORM_WIN32s, 4, 10, 2222), 0},
        {"2000", Record(VER_PLATFORM_WIN32_NT, 5, 0, 2195), 0},
        {"XP", Record(VER_PLATFORM_WIN32_NT, 5, 1, 2600), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyVersionForPatch(c.info), c.expected) << c.name;
}

struct RefusalCase {
    const char* name;
    std::function<void(fake::FakeWindows&)> setUp;
};

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, ShowsTheDirectBoxAndTouchesNoFile)
{
    PatcherMachine m;
    m.w.AddFile("C:\\CONFIG.SYS", "FILES=30\r\n");
    GetParam().setUp(m.w);
    auto filesBefore = m.w.FilePaths();
    fake::RunResult result = m.Run(kPromptTail);

    ASSERT_EQ(m.w.boxes.size(), 1u);
    const fake::MessageBoxRecord& box = m.w.boxes[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.text, "This Function is Only Support Windows98SE");
    EXPECT_EQ(box.caption, "Msg");
    EXPECT_EQ(box.type, MB_OK);
    EXPECT_FALSE(result.endedByExit);
    EXPECT_EQ(m.w.FilePaths(), filesBefore);
    EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), "FILES=30\r\n");
    EXPECT_TRUE(m.w.CallsNamed("fopen").empty());
    EXPECT_TRUE(m.w.CallsNamed("ExitWindowsEx").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Systems, RefusalTest,
    ::testing::Values(RefusalCase{"Me", [](fake::FakeWindows& w) { w.SetWindowsMe(); }},
                      RefusalCase{"Win95", [](fake::FakeWindows& w) {
                                      w.SetVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 0, 0x040003B6);
                                  }},
                      RefusalCase{"Win98", [](fake::FakeWindows& w) {
                                      w.SetVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 10, 0x040A07CE);
                                  }},
                      RefusalCase{"NT4", [](fake::FakeWindows& w) { w.SetVersion(VER_PLATFORM_WIN32_NT, 4, 0, 1381); }},
                      RefusalCase{"Win2000", [](fake::FakeWindows& w) { w.SetWindows2000(); }},
                      RefusalCase{"XP", [](fake::FakeWindows& w) { w.SetWindowsXP(); }},
                      RefusalCase{"VersionQueryFails", [](fake::FakeWindows& w) { w.versionQueryFails = true; }}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST(PatcherStartTest, AsksForThePlainVersionRecordAfterTheCounter)
{
    PatcherMachine m;
    m.Run();
    auto names = m.w.CallNames();
    auto first = std::find(names.begin(), names.end(), "InterlockedIncrement");
    ASSERT_NE(first, names.end());
    ASSERT_GE(names.end() - first, 3);
    EXPECT_EQ(first[1], "InitCommonControls");
    EXPECT_EQ(m.w.CallsNamed("GetVersionExA"), std::vector<std::string>{"GetVersionExA(148)"});
}

// Another copy of the image is running, or has run while it still runs: the
// counter is never taken back, so every later copy ends without a word.
TEST(PatcherStartTest, LaterCopiesEndSilently)
{
    for (LONG before : {0, 1, 41}) {
        PatcherMachine m;
        m.w.AddFile("C:\\CONFIG.SYS", "FILES=30\r\n");
        m.w.commandLine = std::string("C:\\SETUP\\Varnolt.exe ") + kPromptTail;
        g_nInstanceCount = before;
        fake::RunResult result;
        {
            PatcherApp app;
            result = m.w.Run();
        }
        EXPECT_EQ(result.status, 0);
        EXPECT_FALSE(result.endedByExit);
        EXPECT_EQ(g_nInstanceCount, before + 1);
        EXPECT_TRUE(m.w.boxes.empty());
        EXPECT_TRUE(m.w.CallsNamed("GetVersionExA").empty());
        EXPECT_TRUE(m.w.CallsNamed("InitCommonControls").empty());
        EXPECT_TRUE(m.w.CallsNamed("fopen").empty());
        EXPECT_EQ(m.w.FilePaths(), std::vector<std::string>{"C:\\CONFIG.SYS"});
        EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), "FILES=30\r\n");
    }
}

TEST(PatcherStartTest, CopyStartedWhileTheImageStillRunsDoesNothing)
{
    PatcherMachine m;
    m.w.AddFile("C:\\CONFIG.SYS", "FILES=30\r\n");
    m.Run();
    std::string patched = m.Bytes("C:\\CONFIG.SYS");
    m.w.RemoveFile("C:\\KZM.LOG");
    m.w.boxes.clear();
    m.RunCommandLine("C:\\SETUP\\Varnolt.exe", false);
    EXPECT_EQ(m.Bytes("C:\\CONFIG.SYS"), patched);
    EXPECT_FALSE(m.Has("C:\\KZM.LOG"));
    EXPECT_FALSE(m.Has("C:\\CONFIG.BK1"));
}

}  // namespace
