// Whole runs on Windows 98 SE and Me: the copies, the key deletion, and
// every way the run can end early.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "installer_machine.h"

namespace installer_test {
namespace {

std::string Copy(const std::string& from, const std::string& to)
{
    return "CopyFileA(" + Q(from) + ", " + Q(to) + ", 0)";
}

std::vector<std::string> KestravCopies(const std::string& base, bool me)
{
    std::vector<std::string> copies = {
        Copy(base + "\\Zt4410\\zt4410.inf", "C:\\WINDOWS\\inf\\zt4410.inf"),
        Copy(base + "\\Zt4410\\zt4410.mpd", "C:\\WINDOWS\\system\\iosubsys\\zt4410.mpd"),
        Copy(base + "\\Zt4410\\ztxsupp.vxd", "C:\\WINDOWS\\system\\iosubsys\\ztxsupp.vxd"),
        Copy(base + "\\Zt4410\\ztlsupp.cpl", "C:\\WINDOWS\\system\\ztlsupp.cpl"),
    };
    if (me) {
        copies.push_back(Copy(base + "\\Zt4410\\ztxsupp.vxd", "C:\\WINDOWS\\OPTIONS\\INSTALL\\ztxsupp.vxd"));
        copies.push_back(Copy(base + "\\Zt4410\\zt4410.mpd", "C:\\WINDOWS\\OPTIONS\\INSTALL\\zt4410.mpd"));
        copies.push_back(Copy(base + "\\Zt4410\\ztlsupp.cpl", "C:\\WINDOWS\\OPTIONS\\INSTALL\\ztlsupp.cpl"));
    }
    return copies;
}

std::vector<std::string> RavlindCopies(const std::string& base, bool me)
{
    std::vector<std::string> copies = {
        Copy(base + "\\Zt4410r\\zt4410r.inf", "C:\\WINDOWS\\inf\\zt4410r.inf"),
        Copy(base + "\\Zt4410r\\zt4410r.mpd", "C:\\WINDOWS\\system\\iosubsys\\zt4410r.mpd"),
        Copy(base + "\\Zt4410r\\ztxsupp.vxd", "C:\\WINDOWS\\system\\iosubsys\\ztxsupp.vxd"),
    };
    if (me) {
        copies.push_back(Copy(base + "\\Zt4410r\\ztxsupp.vxd", "C:\\WINDOWS\\OPTIONS\\INSTALL\\ztxsupp.vxd"));
        copies.push_back(Copy(base + "\\Zt4410r\\zt4410r.mpd", "C:\\WINDOWS\\OPTIONS\\INSTALL\\zt4410r.mpd"));
    }
    return copies;
}

std::vector<std::string> Copies(const Deliverable& d, const std::string& base, bool me)
{
    return d.profile == &kZt4410Profile ? KestravCopies(base, me) : RavlindCopies(base, me);
}

const std::string kDeviceKey = std::string(kBranch9x) + "\\" + kDevice;
const std::string kOtherKey = std::string(kBranch9x) + "\\" + kOtherDevice;

TEST(Install9xTest, PlacesTheFilesThenDeletesTheDeviceKey)
{
    for (const Deliverable* d : {&kKestrav, &kRavlind}) {
        for (bool me : {false, true}) {
            SCOPED_TRACE(std::string(d->name) + (me ? " on Me" : " on 98 SE"));
            Machine m(*d);
            if (me)
                m.w.SetWindowsMe();
            m.AddPackage();
            m.AddDevices(kBranch9x);
            m.w.AddFile("C:\\WINDOWS\\inf\\" + std::string(d->profile == &kZt4410Profile ? "zt4410.inf" : "zt4410r.inf"),
                        "older");
            fake::RunResult r = m.Run();

            EXPECT_EQ(r.status, 0);
            EXPECT_FALSE(r.endedByExit);
            EXPECT_TRUE(m.Boxes().empty());
            EXPECT_EQ(m.w.CallsNamed("CopyFileA"), Copies(*d, "C:\\DRV", me));
            EXPECT_EQ(m.w.Contents(std::string("C:\\WINDOWS\\inf") + m.DriverFiles()[0]), m.DriverFiles()[0]);
            EXPECT_EQ(m.w.CallsNamed("RegOpenKeyExA"),
                      std::vector<std::string>{"RegOpenKeyExA(\"Enum\\PCI\", 0, 0xF003F)"});
            EXPECT_EQ(m.w.CallsNamed("RegDeleteKeyA"), std::vector<std::string>{"RegDeleteKeyA(" + Q(kDevice) + ")"});
            // The deletion comes after every copy.
            EXPECT_GT(m.IndexOf("RegDeleteKeyA"), m.LastIndexOf("CopyFileA"));
            EXPECT_FALSE(m.w.KeyExists(kDeviceKey));
            EXPECT_TRUE(m.w.KeyExists(kOtherKey + "\\BUS_00&DEV_07&FUNC_00"));
            EXPECT_TRUE(m.KeysClosed(r));
            if (d->profile == &kZt4410rProfile) {
                for (const std::string& path : m.w.FilePaths())
                    EXPECT_EQ(path.find("ZTLSUPP"), std::string::npos) << path;
                EXPECT_EQ(m.w.CallsNamed("CopyFileA").size(), me ? 5u : 3u);
            }
        }
    }
}

TEST(Install9xTest, UsesTheDeviceTheKeyListNamesFirst)
{
    Machine m(kKestrav);
    m.AddPackage("A=DEV_7110\r\nB=DEV_4410\r\n");
    m.AddDevices(kBranch9x);
    fake::RunResult r = m.Run();
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(m.keyCount, 2);
    EXPECT_EQ(m.deviceKey, kOtherDevice);
    EXPECT_FALSE(m.w.KeyExists(kOtherKey));
    EXPECT_TRUE(m.w.KeyExists(kDeviceKey));
}

// The key list is read in the ANSI code page: under 932 the "=" after a lead
// byte is no equals sign, so the second line names the device.
TEST(Install9xTest, ReadsTheKeyListInTheAnsiCodePage)
{
    for (bool shiftJis : {false, true}) {
        Machine m(kRavlind);
        if (shiftJis)
            m.w.leadBytes = LeadByteTable::ShiftJis();
        m.AddPackage("A\x81=DEV_7110\r\nB=DEV_4410\r\n");
        m.AddDevices(kBranch9x);
        m.Run();
        EXPECT_EQ(m.deviceKey, shiftJis ? kDevice : kOtherDevice);
    }
}

const size_t kAll = SIZE_MAX;

// A copy that fails is passed over without a word; the key still goes.
TEST(Install9xTest, FailedCopiesStopNothing)
{
    struct DirCase {
        const char* name;
        void (fake::FakeWindows::*set)();
        std::vector<std::string> windowsDirs;
    } cases[] = {
        {"me_without_install_cache", &fake::FakeWindows::SetWindowsMe, {"INF", "SYSTEM\\IOSUBSYS"}},
        {"98se_without_iosubsys", &fake::FakeWindows::SetWindows98SE, {"INF", "SYSTEM"}},
    };
    for (const Deliverable* d : {&kKestrav, &kRavlind}) {
        for (const DirCase& c : cases) {
            SCOPED_TRACE(std::string(d->name) + " " + c.name);
            Machine m(*d, "C:\\DRV", c.windowsDirs);
            (m.w.*c.set)();
            m.AddPackage();
            m.AddDevices(kBranch9x);
            fake::RunResult r = m.Run();
            bool me = c.set == &fake::FakeWindows::SetWindowsMe;
            EXPECT_EQ(r.status, 0);
            EXPECT_TRUE(m.Boxes().empty());
            EXPECT_EQ(m.w.CallsNamed("CopyFileA"), Copies(*d, "C:\\DRV", me));
            EXPECT_FALSE(m.w.KeyExists(kDeviceKey));
            EXPECT_TRUE(m.w.FileExists(std::string("C:\\WINDOWS\\inf") + m.DriverFiles()[0]));
        }
    }
}

struct FailureCase {
    const char* name;
    std::function<void(Machine&)> arrange;
    std::vector<std::string> texts;  // the boxes, all of the framework's form
    size_t copies;                   // how many of the copies were tried, from the first
    bool keyDeleted;
    bool endedByExit;
};

void PrintTo(const FailureCase& c, std::ostream* out)
{
    *out << c.name;
}

class Install9xFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(Install9xFailureTest, ReportsAndLeavesWhatItSays)
{
    const FailureCase& c = GetParam();
    for (const Deliverable* d : {&kKestrav, &kRavlind}) {
        SCOPED_TRACE(d->name);
        Machine m(*d);
        m.AddPackage();
        m.AddDevices(kBranch9x);
        c.arrange(m);
        fake::RunResult r = m.Run();

        std::vector<Box> expected;
        for (std::string text : c.texts)
            expected.push_back(AppBox(*d, text == "LOOKUP" ? d->lookupFailText : text));
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(m.Boxes(), expected);
        std::vector<std::string> copies = Copies(*d, "C:\\DRV", false);
        if (c.copies < copies.size())
            copies.resize(c.copies);
        EXPECT_EQ(m.w.CallsNamed("CopyFileA"), copies);
        EXPECT_EQ(m.w.KeyExists(kDeviceKey), !c.keyDeleted);
        EXPECT_TRUE(m.w.KeyExists(kOtherKey + "\\BUS_00&DEV_07&FUNC_00"));
        EXPECT_EQ(r.endedByExit, c.endedByExit);
        EXPECT_TRUE(m.KeysClosed(r));
        EXPECT_TRUE(m.w.CallsNamed("WinExec").empty());
        if (c.endedByExit) {  // a box, if any, comes before the end
            EXPECT_LT(m.LastIndexOf("MessageBoxA"), m.IndexOf("exit("));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, Install9xFailureTest,
    ::testing::Values(
        FailureCase{"key_file_missing", [](Machine& m) { m.w.RemoveFile(m.Package(m.d.keyFile)); },
                    {"key.ini not found !!"}, 0, false, true},
        FailureCase{"key_file_unreadable",
                    [](Machine& m) { m.w.File(m.Package(m.d.keyFile))->faults.denyRead = true; },
                    {"key.ini not found !!"}, 0, false, true},
        FailureCase{"key_file_short_read",
                    [](Machine& m) { m.w.File(m.Package(m.d.keyFile))->faults.shortReadBy = 3; },
                    {"key.ini not found !!"}, 0, false, true},
        FailureCase{"no_memory_for_key_file", [](Machine& m) { m.w.failAllocationsOf = 1; },
                    {"key.ini not found !!"}, 0, false, true},
        FailureCase{"empty_key_file", [](Machine& m) { m.AddPackage(""); }, {"LOOKUP"}, 0, false, true},
        FailureCase{"no_matching_device", [](Machine& m) { m.AddPackage("A=DEV_9999\r\n"); }, {"LOOKUP"}, 0,
                    false, true},
        FailureCase{"case_differs", [](Machine& m) { m.AddPackage("A=dev_4410\r\n"); }, {"LOOKUP"}, 0, false, true},
        FailureCase{"only_empty_entries", [](Machine& m) { m.AddPackage("A=\r\nB=\r\n"); }, {"LOOKUP"}, 0, false,
                    true},
        FailureCase{"branch_closed_to_reading", [](Machine& m) { m.w.Key(kBranch9x)->denyOpen = true; }, {}, 0,
                    false, true},
        FailureCase{"subkey_count_unreadable", [](Machine& m) { m.w.Key(kBranch9x)->failQueryInfo = true; },
                    {"LOOKUP"}, 0, false, true},
        FailureCase{"enumeration_fails_before_a_match", [](Machine& m) { m.w.Key(kBranch9x)->failEnumAt = 1; },
                    {"Enum Key Fail !!"}, 0, false, true},
        FailureCase{"subkey_gone_since_counted",
                    [](Machine& m) {
                        m.AddPackage("A=DEV_9999\r\n");
                        m.w.Key(kBranch9x)->extraReportedSubkeys = 1;
                    },
                    {"Enum Key Fail !!"}, 0, false, true},
        FailureCase{"name_too_long_before_a_match",
                    [](Machine& m) {
                        m.w.Key(kBranch9x)->subkeys.clear();
                        m.w.AddKey(std::string(kBranch9x) + "\\" + std::string(255, 'A'));
                        m.AddDevices(kBranch9x);
                    },
                    {"Enum Key Fail !!"}, 0, false, true},
        // A failing index after the match is never looked at.
        FailureCase{"enumeration_would_fail_after_the_match",
                    [](Machine& m) { m.w.AddKey(std::string(kBranch9x) + "\\" + std::string(300, 'Z')); }, {}, kAll,
                    true, false},
        FailureCase{"no_driver_files",
                    [](Machine& m) {
                        for (const char* file : m.DriverFiles())
                            m.w.RemoveFile(m.Package(std::string(m.d.packageDir) + file));
                    },
                    {}, kAll, true, false},
        FailureCase{"windows_directory_unknown", [](Machine& m) { m.w.windowsDirectoryFails = true; }, {}, 0, true,
                    false},
        FailureCase{"branch_closed_to_writing", [](Machine& m) { m.w.Key(kBranch9x)->denyFullAccess = true; },
                    {"Open Key Fail!!"}, kAll, false, true},
        FailureCase{"deletion_refused",
                    [](Machine& m) { m.w.Key(std::string(kBranch9x) + "\\" + kDevice)->denyDelete = true; },
                    {"Delete Key Fail!!"}, kAll, false, true}));

}  // namespace
}  // namespace installer_test

namespace installer_test {
namespace {

TEST(Install9xTest, FromTheDriveRootPathsKeepTheDoubledBackslash)
{
    for (const Deliverable* d : {&kKestrav, &kRavlind}) {
        Machine m(*d, "C:\\");
        m.AddPackage();
        m.AddDevices(kBranch9x);
        fake::RunResult r = m.Run();
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(m.Boxes().empty());
        EXPECT_EQ(m.w.CallsNamed("CopyFileA"), Copies(*d, "C:\\", false));
        EXPECT_FALSE(m.w.KeyExists(kDeviceKey));
    }
}

}  // namespace
}  // namespace installer_test
