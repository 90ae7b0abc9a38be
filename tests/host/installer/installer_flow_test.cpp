// A whole run of each installer deliverable against the fake Windows.
#include <gtest/gtest.h>

#include "installer/installer_app.h"
#include "platform/fake/fake_windows.h"

namespace {

TEST(InstallerFlowTest, EndsWithStatusZero)
{
    for (const PackageProfile* profile : {&kZt4410Profile, &kZt4410rProfile}) {
        fake::FakeWindows w;
        InstallerApp app(*profile);
        EXPECT_EQ(w.Run().status, 0);
    }
}

}  // namespace
