// The package installer's command line and the title its window carries.
#include <gtest/gtest.h>

#include <string>

#include "installer/command_line.h"

namespace {

struct LineCase {
    const char* name;
    const PackageProfile* profile;
    const char* baseDir;
    const char* deviceKey;
    const char* installerPath;
    const char* commandLine;
};

void PrintTo(const LineCase& c, std::ostream* out)
{
    *out << c.name;
}

class CommandLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLineTest, IsExactlyAsThePackageInstallerExpects)
{
    const LineCase& c = GetParam();
    EXPECT_EQ(std::string(InstallerPathOf(c.baseDir, *c.profile)), c.installerPath);
    EXPECT_EQ(std::string(InstallerCommandLine(c.baseDir, *c.profile, c.deviceKey)), c.commandLine);
}

const char kDevice[] = "VEN_1234&DEV_4410&SUBSYS_00000000&REV_01";

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineTest,
    ::testing::Values(
        LineCase{"kestrav", &kZt4410Profile, "E:\\DRV", "K", "E:\\DRV\\Zt4410\\install.exe",
                 "E:\\DRV\\Zt4410\\install.exe E:\\DRV\\Zt4410\\zt4410.inf PCI\\K"},
        LineCase{"ravlind_quotes_the_hardware_id", &kZt4410rProfile, "E:\\DRV", "K", "E:\\DRV\\Zt4410r\\install.exe",
                 "E:\\DRV\\Zt4410r\\install.exe E:\\DRV\\Zt4410r\\zt4410r.inf \"PCI\\K\""},
        LineCase{"kestrav_device", &kZt4410Profile, "C:\\DRV", kDevice, "C:\\DRV\\Zt4410\\install.exe",
                 "C:\\DRV\\Zt4410\\install.exe C:\\DRV\\Zt4410\\zt4410.inf "
                 "PCI\\VEN_1234&DEV_4410&SUBSYS_00000000&REV_01"},
        LineCase{"kestrav_drive_root", &kZt4410Profile, "C:\\", "K", "C:\\\\Zt4410\\install.exe",
                 "C:\\\\Zt4410\\install.exe C:\\\\Zt4410\\zt4410.inf PCI\\K"},
        LineCase{"ravlind_drive_root", &kZt4410rProfile, "D:\\", "K", "D:\\\\Zt4410r\\install.exe",
                 "D:\\\\Zt4410r\\install.exe D:\\\\Zt4410r\\zt4410r.inf \"PCI\\K\""},
        // Paths with a blank are quoted; the window title is the bare path.
        LineCase{"kestrav_blank", &kZt4410Profile, "C:\\My Drivers", "K", "C:\\My Drivers\\Zt4410\\install.exe",
                 "\"C:\\My Drivers\\Zt4410\\install.exe\" \"C:\\My Drivers\\Zt4410\\zt4410.inf\" PCI\\K"},
        LineCase{"ravlind_blank", &kZt4410rProfile, "C:\\A B\\C D", "K", "C:\\A B\\C D\\Zt4410r\\install.exe",
                 "\"C:\\A B\\C D\\Zt4410r\\install.exe\" \"C:\\A B\\C D\\Zt4410r\\zt4410r.inf\" \"PCI\\K\""}));

}  // namespace
