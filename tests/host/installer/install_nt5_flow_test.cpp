// Whole runs on Windows 2000 and XP: the package installer started hidden,
// the wait for its window, and the ways the run ends early.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "installer_machine.h"

namespace installer_test {
namespace {

const std::string kDeviceKey = std::string(kBranchNt) + "\\" + kDevice;

std::string KestravLine(const std::string& base)
{
    return base + "\\Zt4410\\install.exe " + base + "\\Zt4410\\zt4410.inf PCI\\" + kDevice;
}

std::string RavlindLine(const std::string& base)
{
    return base + "\\Zt4410r\\install.exe " + base + "\\Zt4410r\\zt4410r.inf \"PCI\\" + kDevice + "\"";
}

std::string InstallerPath(const Deliverable& d, const std::string& base)
{
    return base + d.packageDir + "\\install.exe";
}

// Starts the installer's console window when the program is started, for
// lifeMs of simulated time.
void ConsoleLives(Machine& m, uint64_t lifeMs)
{
    fake::FakeWindows* w = &m.w;
    std::string title = InstallerPath(m.d, m.baseDir);
    w->onWinExec = [w, title, lifeMs](const std::string&, UINT) { w->AddWindow(title, w->now, w->now + lifeMs); };
}

TEST(InstallNt5Test, StartsThePackageInstallerHiddenAndWaitsForItsWindow)
{
    struct Case {
        const Deliverable* d;
        void (fake::FakeWindows::*set)();
        std::string line;
    } cases[] = {
        {&kKestrav, &fake::FakeWindows::SetWindowsXP, KestravLine("C:\\DRV")},
        {&kKestrav, &fake::FakeWindows::SetWindows2000, KestravLine("C:\\DRV")},
        {&kRavlind, &fake::FakeWindows::SetWindowsXP, RavlindLine("C:\\DRV")},
        {&kRavlind, &fake::FakeWindows::SetWindows2000, RavlindLine("C:\\DRV")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Machine m(*c.d);
        (m.w.*c.set)();
        m.AddPackage();
        m.AddDevices(kBranchNt);
        ConsoleLives(m, 5000);
        std::vector<std::string> keysBefore = m.w.AllKeys();
        std::vector<std::string> filesBefore = m.w.FilePaths();
        fake::RunResult r = m.Run();

        EXPECT_EQ(r.status, 0);
        EXPECT_FALSE(r.endedByExit);
        EXPECT_TRUE(m.Boxes().empty());
        std::string find = "FindWindowA(NULL, " + Q(InstallerPath(*c.d, "C:\\DRV")) + ")";
        std::vector<std::string> expected = {"WinExec(" + Q(c.line) + ", 0)", "Sleep(2500)", find, "Sleep(2000)",
                                             find, "Sleep(2000)", find};
        std::vector<std::string> tail(m.w.calls.begin() + m.IndexOf("WinExec"), m.w.calls.end());
        EXPECT_EQ(tail, expected);
        // Still there at 2500 and 4500 ms, gone by 6500.
        EXPECT_EQ(m.w.now, 6500u);
        EXPECT_EQ(m.w.AllKeys(), keysBefore);
        EXPECT_EQ(m.w.FilePaths(), filesBefore);
        EXPECT_TRUE(m.w.CallsNamed("CopyFileA").empty());
        EXPECT_TRUE(m.w.CallsNamed("RegOpenKeyExA").empty());
        EXPECT_TRUE(m.KeysClosed(r));
    }
}

TEST(InstallNt5Test, WaitsOnlyForTheFirstPauseWhenNoWindowIsLeft)
{
    struct Case {
        const char* name;
        uint64_t lifeMs;  // 0: the installer never starts
    } cases[] = {{"installer_missing", 0}, {"installer_done_early", 1000}, {"gone_at_the_first_look", 2500}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Machine m(kKestrav);
        m.w.SetWindowsXP();
        m.AddPackage();
        m.AddDevices(kBranchNt);
        if (c.lifeMs == 0)
            m.w.winExecResult = 2;  // ERROR_FILE_NOT_FOUND
        else
            ConsoleLives(m, c.lifeMs);
        fake::RunResult r = m.Run();
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(m.Boxes().empty());
        EXPECT_EQ(m.w.CallsNamed("Sleep"), std::vector<std::string>{"Sleep(2500)"});
        EXPECT_EQ(m.w.CallsNamed("FindWindowA").size(), 1u);
    }
}

// Whoever owns a window of that title keeps the wait going: there is no time-out.
TEST(InstallNt5Test, WaitsAsLongAsAWindowOfThatTitleExists)
{
    Machine m(kRavlind);
    m.w.SetWindowsXP();
    m.AddPackage();
    m.AddDevices(kBranchNt);
    m.w.AddWindow("c:\\drv\\ZT4410R\\INSTALL.EXE", 0, UINT64_MAX);  // the title compares without case
    m.w.hangAfterMs = 3600 * 1000;
    fake::RunResult r = m.Run();
    EXPECT_TRUE(r.hung);
    EXPECT_GT(m.w.CallsNamed("FindWindowA").size(), 1000u);
}

TEST(InstallNt5Test, PathsWithABlankAreQuotedAndTheTitleIsNot)
{
    for (const Deliverable* d : {&kKestrav, &kRavlind}) {
        Machine m(*d, "C:\\Program Files\\My Drivers");
        m.w.SetWindowsXP();
        m.AddPackage();
        m.AddDevices(kBranchNt);
        ConsoleLives(m, 3000);
        fake::RunResult r = m.Run();
        std::string base = "C:\\Program Files\\My Drivers";
        std::string installer = InstallerPath(*d, base);
        std::string inf = base + (d == &kKestrav ? "\\Zt4410\\zt4410.inf" : "\\Zt4410r\\zt4410r.inf");
        std::string id = d == &kKestrav ? std::string("PCI\\") + kDevice : Q(std::string("PCI\\") + kDevice);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(m.w.CallsNamed("WinExec"),
                  std::vector<std::string>{"WinExec(" + Q(Q(installer) + " " + Q(inf) + " " + id) + ", 0)"});
        EXPECT_EQ(m.w.CallsNamed("FindWindowA").front(), "FindWindowA(NULL, " + Q(installer) + ")");
        EXPECT_EQ(m.w.CallsNamed("FindWindowA").size(), 2u);
    }
}

TEST(InstallNt5Test, FromTheDriveRootNothingIsNormalised)
{
    Machine m(kKestrav, "C:\\");
    m.w.SetWindows2000();
    m.AddPackage();
    m.AddDevices(kBranchNt);
    ConsoleLives(m, 3000);
    fake::RunResult r = m.Run();
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(m.w.CallsNamed("WinExec"), std::vector<std::string>{"WinExec(" + Q(KestravLine("C:\\")) + ", 0)"});
    EXPECT_EQ(m.w.CallsNamed("FindWindowA").front(), "FindWindowA(NULL, \"C:\\\\Zt4410\\install.exe\")");
    EXPECT_EQ(m.w.CallsNamed("FindWindowA").size(), 2u);
}

struct FailureCase {
    const char* name;
    std::function<void(Machine&)> arrange;
    std::vector<std::string> texts;  // framework boxes; LOOKUP is the deliverable's lookup text
};

void PrintTo(const FailureCase& c, std::ostream* out)
{
    *out << c.name;
}

class InstallNt5FailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(InstallNt5FailureTest, ReportsAndStartsNothing)
{
    const FailureCase& c = GetParam();
    for (const Deliverable* d : {&kKestrav, &kRavlind}) {
        SCOPED_TRACE(d->name);
        Machine m(*d);
        m.w.SetWindowsXP();
        m.AddPackage();
        m.AddDevices(kBranchNt);
        c.arrange(m);
        std::vector<std::string> keysBefore = m.w.AllKeys();
        fake::RunResult r = m.Run();

        std::vector<Box> expected;
        for (std::string text : c.texts)
            expected.push_back(AppBox(*d, text == "LOOKUP" ? d->lookupFailText : text));
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.endedByExit);
        EXPECT_EQ(m.Boxes(), expected);
        EXPECT_TRUE(m.w.CallsNamed("WinExec").empty());
        EXPECT_TRUE(m.w.CallsNamed("Sleep").empty());
        EXPECT_EQ(m.w.AllKeys(), keysBefore);
        EXPECT_TRUE(m.KeysClosed(r));
        EXPECT_LT(m.LastIndexOf("MessageBoxA"), m.IndexOf("exit("));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, InstallNt5FailureTest,
    ::testing::Values(
        FailureCase{"key_file_missing", [](Machine& m) { m.w.RemoveFile(m.Package(m.d.keyFile)); },
                    {"key.ini not found !!"}},
        FailureCase{"no_matching_device", [](Machine& m) { m.AddPackage("A=DEV_9999\r\n"); },
                    {"LOOKUP", "Install driver fail !!"}},
        // The 9x branch does not count on NT.
        FailureCase{"device_only_in_the_9x_branch",
                    [](Machine& m) {
                        m.w.Key(kBranchNt)->subkeys.clear();
                        m.AddDevices(kBranch9x);
                    },
                    {"LOOKUP", "Install driver fail !!"}},
        FailureCase{"branch_closed_to_reading", [](Machine& m) { m.w.Key(kBranchNt)->denyOpen = true; },
                    {"Install driver fail !!"}},
        FailureCase{"enumeration_fails", [](Machine& m) { m.w.Key(kBranchNt)->failEnumAt = 0; },
                    {"Enum Key Fail !!", "Install driver fail !!"}}));

}  // namespace
}  // namespace installer_test
