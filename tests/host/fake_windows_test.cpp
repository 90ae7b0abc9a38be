// The fake stands in for Windows in every program test, so where it models
// Windows behaviour the programs depend on, it is checked here.
#include <gtest/gtest.h>

#include "platform/fake/fake_windows.h"
#include "platform/port.h"

namespace {

TEST(FakeRegistryTest, DeleteFollowsTheWindowsFamily)
{
    for (bool nineX : {true, false}) {
        fake::FakeWindows w;
        if (nineX)
            w.SetWindows98SE();
        else
            w.SetWindowsXP();
        w.AddKey("Enum\\PCI\\DEV\\SUB");
        w.AddKey("Enum\\PCI\\LEAF");
        HKEY key = nullptr;
        ASSERT_EQ(port::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Enum\\PCI", 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
        EXPECT_EQ(port::RegDeleteKeyA(key, "DEV"), nineX ? ERROR_SUCCESS : ERROR_ACCESS_DENIED);
        EXPECT_EQ(w.KeyExists("Enum\\PCI\\DEV\\SUB"), !nineX);
        EXPECT_EQ(port::RegDeleteKeyA(key, "leaf"), ERROR_SUCCESS);
        EXPECT_EQ(port::RegCloseKey(key), ERROR_SUCCESS);
        EXPECT_NE(port::RegCloseKey(key), ERROR_SUCCESS);  // closing twice is a fault
        EXPECT_EQ(w.openKeys(), 0u);
    }
}

TEST(FakeRegistryTest, EnumerationReportsWhatWindowsReports)
{
    fake::FakeWindows w;
    w.AddKey("Enum\\PCI\\" + std::string(254, 'A'));
    w.AddKey("Enum\\PCI\\" + std::string(255, 'B'));
    HKEY key = nullptr;
    ASSERT_EQ(port::RegOpenKeyA(HKEY_LOCAL_MACHINE, "ENUM\\pci", &key), ERROR_SUCCESS);
    DWORD count = 0;
    EXPECT_EQ(port::RegQueryInfoKeyA(key, &count), ERROR_SUCCESS);
    EXPECT_EQ(count, 2u);
    char name[255];
    EXPECT_EQ(port::RegEnumKeyA(key, 0, name, 255), ERROR_SUCCESS);
    EXPECT_EQ(port::RegEnumKeyA(key, 1, name, 255), ERROR_MORE_DATA);
    EXPECT_EQ(port::RegEnumKeyA(key, 2, name, 255), ERROR_NO_MORE_ITEMS);
    port::RegCloseKey(key);

    w.Key("Enum\\PCI")->denyFullAccess = true;
    EXPECT_EQ(port::RegOpenKeyA(HKEY_LOCAL_MACHINE, "Enum\\PCI", &key), ERROR_SUCCESS);
    port::RegCloseKey(key);
    EXPECT_EQ(port::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Enum\\PCI", 0, KEY_ALL_ACCESS, &key), ERROR_ACCESS_DENIED);
    EXPECT_EQ(port::RegOpenKeyA(HKEY_LOCAL_MACHINE, "Enum\\NONE", &key), ERROR_FILE_NOT_FOUND);
}

TEST(FakeFilesTest, CopyNeedsReadableSourceAndExistingDirectory)
{
    fake::FakeWindows w;
    w.AddFile("C:\\PKG\\A.INF", "inf");
    w.AddFile("C:\\PKG\\LOCKED", "x").faults.locked = true;
    w.AddFile("C:\\WINDOWS\\INF\\OLD.INF", "old").faults.readOnly = true;
    struct Case {
        const char* from;
        const char* to;
        BOOL copied;
    } cases[] = {
        {"C:\\\\PKG\\a.inf", "C:\\WINDOWS\\INF\\a.inf", TRUE},  // doubled backslash, other case
        {"C:\\PKG\\A.INF", "C:\\WINDOWS\\NOPE\\a.inf", FALSE},
        {"C:\\PKG\\MISSING", "C:\\WINDOWS\\INF\\m", FALSE},
        {"C:\\PKG\\LOCKED", "C:\\WINDOWS\\INF\\l", FALSE},
        {"C:\\PKG\\A.INF", "C:\\WINDOWS\\INF\\OLD.INF", FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(port::CopyFileA(c.from, c.to, FALSE), c.copied) << c.from << " -> " << c.to;
    EXPECT_EQ(w.Contents("C:\\WINDOWS\\INF\\A.INF"), "inf");
    EXPECT_EQ(w.Contents("C:\\WINDOWS\\INF\\OLD.INF"), "old");
}

TEST(FakeFilesTest, ReadsMeasureAndFailAsInjected)
{
    fake::FakeWindows w;
    w.AddFile("C:\\F", "hello").faults.shortReadBy = 2;
    port::CrtFile* f = port::fopen("c:\\f", "rb");
    ASSERT_NE(f, nullptr);
    port::fseek(f, 0, SEEK_END);
    EXPECT_EQ(port::ftell(f), 5);
    port::fseek(f, 0, SEEK_SET);
    char buffer[8];
    EXPECT_EQ(port::fread(buffer, 1, 5, f), 3u);
    port::fclose(f);
    w.File("C:\\F")->faults.denyRead = true;
    EXPECT_EQ(port::fopen("c:\\f", "rb"), nullptr);
    EXPECT_EQ(port::GetFileAttributesA("c:\\f"), 0x20u);  // still there
    EXPECT_EQ(port::GetFileAttributesA("c:\\g"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(port::fopen("c:\\nodir\\g", "wb"), nullptr);
}

TEST(FakeWindowsTest, WindowsComeAndGoOnTheSimulatedClock)
{
    fake::FakeWindows w;
    w.AddWindow("C:\\DRV\\Zt4410\\install.exe", 500, 4000);
    EXPECT_EQ(port::FindWindowA(nullptr, "c:\\drv\\zt4410\\INSTALL.EXE"), nullptr);
    port::Sleep(2500);
    EXPECT_NE(port::FindWindowA(nullptr, "c:\\drv\\zt4410\\INSTALL.EXE"), nullptr);
    EXPECT_EQ(port::FindWindowA(nullptr, "c:\\drv\\\\zt4410\\INSTALL.EXE"), nullptr);
    port::Sleep(2000);
    EXPECT_EQ(port::FindWindowA(nullptr, "C:\\DRV\\Zt4410\\install.exe"), nullptr);
    EXPECT_EQ(w.now, 4500u);
}

}  // namespace
