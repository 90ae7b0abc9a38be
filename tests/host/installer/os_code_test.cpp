// How a version record maps to the installer's Windows classification.
#include <gtest/gtest.h>

#include <cstring>

#include "installer/os_code.h"

namespace {

struct VersionCase {
    const char* name;
    DWORD platform;
    DWORD major;
    DWORD minor;
    DWORD build;
    OsCode code;
    bool known;  // the platform identifier is one the installer knows
};

void PrintTo(const VersionCase& c, std::ostream* out)
{
    *out << c.name;
}

class ClassifyVersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(ClassifyVersionTest, GivesTheCodeOfTheSystem)
{
    const VersionCase& c = GetParam();
    OSVERSIONINFOA version;
    std::memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    version.dwPlatformId = c.platform;
    version.dwMajorVersion = c.major;
    version.dwMinorVersion = c.minor;
    version.dwBuildNumber = c.build;
    OsCode code = 77;
    EXPECT_EQ(ClassifyVersion(version, &code), c.known);
    EXPECT_EQ(code, c.code);
}

const DWORD k9x = VER_PLATFORM_WIN32_WINDOWS;
const DWORD kNt = VER_PLATFORM_WIN32_NT;

INSTANTIATE_TEST_SUITE_P(
    Systems, ClassifyVersionTest,
    ::testing::Values(
        VersionCase{"win32s", VER_PLATFORM_WIN32s, 3, 10, 0, 9, true},
        VersionCase{"win95", k9x, 4, 0, 950, 10, true},
        VersionCase{"win95_osr2_build_word", k9x, 4, 0, 0x04000457, 10, true},
        VersionCase{"major_below_4_on_9x", k9x, 3, 95, 2222, 10, true},
        VersionCase{"win98_first_edition", k9x, 4, 10, 1998, 11, true},
        VersionCase{"win98_build_2000", k9x, 4, 10, 2000, 11, true},
        VersionCase{"win98se", k9x, 4, 10, 2222, 12, true},
        // The high word carries 4.10; only the low word is the build.
        VersionCase{"win98se_version_in_high_word", k9x, 4, 10, 0x040A08AE, 12, true},
        VersionCase{"win98_high_word_would_exceed", k9x, 4, 10, 0x040A07CE, 11, true},
        VersionCase{"winme", k9x, 4, 90, 3000, 15, true},
        VersionCase{"winme_version_in_high_word", k9x, 4, 90, 0x045A0BB8, 15, true},
        VersionCase{"9x_build_2223", k9x, 4, 10, 2223, 15, true},
        VersionCase{"9x_major_5", k9x, 5, 0, 2222, 12, true},
        VersionCase{"nt351", kNt, 3, 51, 1057, 13, true},
        VersionCase{"nt4", kNt, 4, 0, 1381, 13, true},
        VersionCase{"win2000", kNt, 5, 0, 2195, 14, true},
        VersionCase{"nt5_build_2222", kNt, 5, 0, 2222, 14, true},
        VersionCase{"winxp", kNt, 5, 1, 2600, 16, true},
        VersionCase{"server2003", kNt, 5, 2, 3790, 16, true},
        // On NT the whole build number counts: a low word below 2222 does not make it older.
        VersionCase{"nt5_build_high_word_set", kNt, 5, 1, 0x00010001, 16, true},
        VersionCase{"vista", kNt, 6, 0, 6000, 0, true},
        VersionCase{"win10", kNt, 10, 0, 19045, 0, true},
        VersionCase{"unknown_platform", 3, 5, 1, 2600, 0, false}));

}  // namespace
