// One Windows 98 SE machine for whole patcher runs: each Run is a new
// process of Varnolt.exe, started with the given command-line tail, while
// the files on drive C stay from run to run.
#pragma once

#include <string>

#include "patcher/instance_count.h"
#include "patcher/patcher_app.h"
#include "platform/fake/fake_windows.h"

const char kPromptTail[] = "-s -f2\"c:\\tqv.log\"";
const char kPromptText[] = "Patch OK!!\nYou need to reboot !!";
const char kFailureText[] = "Patch config.sys fail !!";

struct PatcherMachine {
    fake::FakeWindows w;

    PatcherMachine() { w.modulePath = "C:\\SETUP\\Varnolt.exe"; }

    // newImage: no other copy has run since the image was last loaded.
    fake::RunResult RunCommandLine(const std::string& commandLine, bool newImage = true)
    {
        w.commandLine = commandLine;
        if (newImage)
            g_nInstanceCount = -1;
        PatcherApp app;
        fake::RunResult result = w.Run();
        EXPECT_EQ(result.status, 0);
        EXPECT_FALSE(result.hung);
        EXPECT_EQ(result.handlesOpenAtEnd, 0u);
        return result;
    }

    fake::RunResult Run(const std::string& tail = "")
    {
        return RunCommandLine(tail.empty() ? "C:\\SETUP\\Varnolt.exe" : "C:\\SETUP\\Varnolt.exe " + tail);
    }

    bool Has(const char* path) { return w.FileExists(path); }
    std::string Bytes(const char* path) { return w.Contents(path); }
};
