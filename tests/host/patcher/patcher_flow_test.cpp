// A whole run of the patcher against the fake Windows.
#include <gtest/gtest.h>

#include "patcher/patcher_app.h"
#include "platform/fake/fake_windows.h"

namespace {

TEST(PatcherFlowTest, EndsWithStatusZero)
{
    fake::FakeWindows w;
    PatcherApp app;
    EXPECT_EQ(w.Run().status, 0);
}

}  // namespace
