// Start-up: which systems the installer accepts, what it says on the others,
// and which installation each accepted system gets.
#include <gtest/gtest.h>

#include "installer_machine.h"

namespace installer_test {
namespace {

struct SystemCase {
    const char* name;
    DWORD platform, major, minor, build;
};

void PrintTo(const SystemCase& c, std::ostream* out)
{
    *out << c.name;
}

class RefusedSystemTest : public ::testing::TestWithParam<SystemCase> {};

TEST_P(RefusedSystemTest, SaysSoAndTouchesNothing)
{
    const SystemCase& c = GetParam();
    for (const Deliverable* d : {&kKestrav, &kRavlind}) {
        Machine m(*d);
        m.AddPackage();
        m.AddDevices(kBranch9x);
        m.AddDevices(kBranchNt);
        m.w.SetVersion(c.platform, c.major, c.minor, c.build);
        fake::RunResult r = m.Run();
        EXPECT_EQ(r.status, 0);
        EXPECT_FALSE(r.endedByExit);
        EXPECT_EQ(m.Boxes(), std::vector<Box>{StartupBox("This driver isn't supprot NT !!")});
        for (const char* call : {"fopen", "RegOpenKeyA", "CopyFileA", "WinExec", "GetWindowsDirectoryA"})
            EXPECT_TRUE(m.w.CallsNamed(call).empty()) << call;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Systems, RefusedSystemTest,
    ::testing::Values(SystemCase{"win32s", VER_PLATFORM_WIN32s, 3, 10, 0},
                      SystemCase{"win95", VER_PLATFORM_WIN32_WINDOWS, 4, 0, 0x040003B6},
                      SystemCase{"win98_first_edition", VER_PLATFORM_WIN32_WINDOWS, 4, 10, 0x040A07CE},
                      SystemCase{"nt4", VER_PLATFORM_WIN32_NT, 4, 0, 1381},
                      SystemCase{"vista", VER_PLATFORM_WIN32_NT, 6, 0, 6002},
                      SystemCase{"win10", VER_PLATFORM_WIN32_NT, 10, 0, 19045}));

TEST(StartupTest, VersionQueryFailingIsReportedThenRefused)
{
    Machine m(kKestrav);
    m.AddPackage();
    m.w.versionQueryFails = true;
    fake::RunResult r = m.Run();
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(m.Boxes(), (std::vector<Box>{StartupBox("Check OS type Error !"),
                                          StartupBox("This driver isn't supprot NT !!")}));
    EXPECT_EQ(m.w.CallsNamed("GetVersionExA"), (std::vector<std::string>{"GetVersionExA(156)", "GetVersionExA(148)"}));
    EXPECT_TRUE(m.w.CallsNamed("fopen").empty());
}

TEST(StartupTest, UnknownPlatformIsReportedThenRefused)
{
    Machine m(kRavlind);
    m.AddPackage();
    m.w.SetVersion(3, 5, 1, 2600);
    fake::RunResult r = m.Run();
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(m.Boxes(), (std::vector<Box>{StartupBox("Unknown OS type !"),
                                          StartupBox("This driver isn't supprot NT !!")}));
    EXPECT_TRUE(m.w.CallsNamed("fopen").empty());
}

// Which installation each accepted system gets, told apart by the branch
// that the lookup reads and by whether the package installer is started.
TEST(StartupTest, DispatchesEachAcceptedSystem)
{
    struct Accepted {
        void (fake::FakeWindows::*set)();
        const char* branch;
        bool nt;
        std::vector<std::string> versionQueries;
    } systems[] = {
        // The 9x family knows only the plain record.
        {&fake::FakeWindows::SetWindows98SE, kBranch9x, false, {"GetVersionExA(156)", "GetVersionExA(148)"}},
        {&fake::FakeWindows::SetWindowsMe, kBranch9x, false, {"GetVersionExA(156)", "GetVersionExA(148)"}},
        {&fake::FakeWindows::SetWindows2000, kBranchNt, true, {"GetVersionExA(156)"}},
        {&fake::FakeWindows::SetWindowsXP, kBranchNt, true, {"GetVersionExA(156)"}},
    };
    for (const Accepted& s : systems) {
        Machine m(kKestrav);
        (m.w.*s.set)();
        m.AddPackage();
        m.AddDevices(s.branch);
        fake::RunResult r = m.Run();
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(m.Boxes().empty());
        EXPECT_EQ(m.w.CallsNamed("GetVersionExA"), s.versionQueries);
        EXPECT_EQ(m.w.CallsNamed("RegOpenKeyA"), std::vector<std::string>{"RegOpenKeyA(" + Q(s.branch) + ")"});
        EXPECT_EQ(m.w.CallsNamed("WinExec").size(), s.nt ? 1u : 0u);
        EXPECT_EQ(m.w.CallsNamed("CopyFileA").empty(), s.nt);
    }
}

TEST(StartupTest, ReadsTheKeyListFromTheWholeStartupDirectory)
{
    struct DirCase {
        const char* name;
        std::string dir;
        std::string keyFileOpened;  // "" when no file may be opened at all
    } cases[] = {
        {"49_characters", "C:\\" + std::string(46, 'D'), "C:\\" + std::string(46, 'D') + "\\Zt4410\\key.ini"},
        {"beyond_50_characters", "C:\\" + std::string(120, 'D'), "C:\\" + std::string(120, 'D') + "\\Zt4410\\key.ini"},
        {"drive_root", "C:\\", "C:\\\\Zt4410\\key.ini"},
        {"blank", "C:\\My Drivers", "C:\\My Drivers\\Zt4410\\key.ini"},
        // Too long for any Windows path: never read from the drive root instead.
        {"does_not_fit", "C:\\" + std::string(300, 'D'), ""},
    };
    for (const DirCase& c : cases) {
        SCOPED_TRACE(c.name);
        Machine m(kKestrav, c.dir);
        m.AddPackage();
        m.w.AddFile("C:\\Zt4410\\key.ini", kKeyList);  // a package at the root must not be taken
        m.AddDevices(kBranch9x);
        fake::RunResult r = m.Run();
        EXPECT_EQ(r.status, 0);
        if (c.keyFileOpened.empty()) {
            EXPECT_EQ(m.Boxes(), std::vector<Box>{AppBox(kKestrav, "key.ini not found !!")});
            EXPECT_TRUE(m.w.CallsNamed("fopen").empty());
            EXPECT_TRUE(r.endedByExit);
        } else {
            EXPECT_EQ(m.w.CallsNamed("fopen"), std::vector<std::string>{"fopen(" + Q(c.keyFileOpened) + ", \"rb\")"});
            EXPECT_TRUE(m.Boxes().empty());
            EXPECT_FALSE(m.w.KeyExists(std::string(kBranch9x) + "\\" + kDevice));
        }
    }
}

TEST(StartupTest, CurrentDirectoryUnavailableReadsNothing)
{
    Machine m(kRavlind);
    m.AddPackage();
    m.w.currentDirectoryFails = true;
    fake::RunResult r = m.Run();
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.endedByExit);
    EXPECT_EQ(m.Boxes(), std::vector<Box>{AppBox(kRavlind, "key.ini not found !!")});
    EXPECT_TRUE(m.w.CallsNamed("fopen").empty());
    EXPECT_TRUE(m.w.CallsNamed("RegOpenKeyA").empty());
}

}  // namespace
}  // namespace installer_test
