// One installer run with a fault injected, checked as a whole: the boxes in
// order, how the process ended, every file, every registry key, the package
// installer, and nothing left open.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "files_snapshot.h"
#include "tests/host/installer/installer_machine.h"

namespace installer_faults {

using installer_test::Deliverable;
using installer_test::Machine;

struct System {
    const char* name;
    void (fake::FakeWindows::*set)();
    bool me;
};

const System k98SE = {"98se", &fake::FakeWindows::SetWindows98SE, false};
const System kMe = {"me", &fake::FakeWindows::SetWindowsMe, true};
const System k2000 = {"2000", &fake::FakeWindows::SetWindows2000, false};
const System kXP = {"xp", &fake::FakeWindows::SetWindowsXP, false};

enum class Copies { kNone, kAll };  // kAll: every copy of the plan made, in order, and landed
enum class DeviceKey { kKept, kDeleted };
enum class PackageInstaller { kNotStarted, kStarted };
enum class End { kReturn, kExit };  // InitInstance returned, or the run-time's exit

// What a row expects of every run it makes.
struct Outcome {
    std::vector<std::string> boxes;  // framework boxes in order; LOOKUP: the deliverable's lookup text
    Copies copies;
    DeviceKey key;
    PackageInstaller installer;
    End end;
};

struct Row {
    const char* name;
    std::function<void(Machine&)> inject;
    Outcome outcome;
};

inline void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

inline std::string RowName(const ::testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}

inline void KeyFileFaults(Machine& m, void (*set)(fake::FileFaults&))
{
    set(m.w.File(m.Package(m.d.keyFile))->faults);
}

// Puts a subkey of that name length ahead of the devices, so the lookup meets it first.
inline void NameFirst(Machine& m, const char* branch, size_t length)
{
    m.w.Key(branch)->subkeys.clear();
    m.w.AddKey(std::string(branch) + "\\" + std::string(length, 'A'));
    m.AddDevices(branch);
}

// A copy of the plan: source under the package directory, destination
// under the Windows directory.
struct Copy {
    std::string source;
    std::string destination;
};

// Written out here rather than taken from the program, so a wrong plan shows.
inline std::vector<Copy> PlanOf(const Deliverable& d, bool me)
{
    std::vector<Copy> plan;
    if (d.profile == &kZt4410Profile) {
        plan = {{"\\zt4410.inf", "\\inf\\zt4410.inf"},
                {"\\zt4410.mpd", "\\system\\iosubsys\\zt4410.mpd"},
                {"\\ztxsupp.vxd", "\\system\\iosubsys\\ztxsupp.vxd"},
                {"\\ztlsupp.cpl", "\\system\\ztlsupp.cpl"}};
        if (me)
            plan.insert(plan.end(), {{"\\ztxsupp.vxd", "\\OPTIONS\\INSTALL\\ztxsupp.vxd"},
                                     {"\\zt4410.mpd", "\\OPTIONS\\INSTALL\\zt4410.mpd"},
                                     {"\\ztlsupp.cpl", "\\OPTIONS\\INSTALL\\ztlsupp.cpl"}});
    } else {
        plan = {{"\\zt4410r.inf", "\\inf\\zt4410r.inf"},
                {"\\zt4410r.mpd", "\\system\\iosubsys\\zt4410r.mpd"},
                {"\\ztxsupp.vxd", "\\system\\iosubsys\\ztxsupp.vxd"}};
        if (me)
            plan.insert(plan.end(), {{"\\ztxsupp.vxd", "\\OPTIONS\\INSTALL\\ztxsupp.vxd"},
                                     {"\\zt4410r.mpd", "\\OPTIONS\\INSTALL\\zt4410r.mpd"}});
    }
    for (Copy& c : plan)
        c.source = d.packageDir + c.source;
    return plan;
}

inline std::string CopyCall(const Machine& m, const Copy& c)
{
    return "CopyFileA(" + installer_test::Q(m.Package(c.source)) + ", " +
           installer_test::Q(m.w.windowsDirectory + c.destination) + ", 0)";
}

using fault_test::Files;
using fault_test::FilesOf;

inline std::vector<std::string> KeysWithout(const std::vector<std::string>& keys, const std::string& gone)
{
    std::vector<std::string> kept;
    for (const std::string& key : keys)
        if (key != gone && key.compare(0, gone.size() + 1, gone + "\\") != 0)
            kept.push_back(key);
    return kept;
}

// A machine with the package and the devices in place, the fault injected,
// run once and held to the outcome.
inline void RunAndCheck(const Deliverable& d, const System& system, const char* branch,
                        const std::function<void(Machine&)>& inject, const Outcome& expected)
{
    SCOPED_TRACE(std::string(d.name) + " on " + system.name);
    Machine m(d);
    (m.w.*system.set)();
    m.AddPackage();
    m.AddDevices(branch);
    inject(m);
    const Files filesBefore = FilesOf(m.w);
    const std::vector<std::string> keysBefore = m.w.AllKeys();
    fake::RunResult r = m.Run();

    EXPECT_EQ(r.status, 0);
    EXPECT_FALSE(r.hung);
    EXPECT_EQ(r.endedByExit, expected.end == End::kExit);
    if (r.endedByExit) {
        EXPECT_EQ(m.w.calls.back(), "exit(0)");
    }
    EXPECT_TRUE(m.KeysClosed(r));
    EXPECT_EQ(r.handlesOpenAtEnd, 0u);

    std::vector<installer_test::Box> boxes;
    for (const std::string& text : expected.boxes)
        boxes.push_back(installer_test::AppBox(d, text == "LOOKUP" ? d.lookupFailText : text));
    EXPECT_EQ(m.Boxes(), boxes);

    Files files = filesBefore;
    std::vector<std::string> copies;
    if (expected.copies == Copies::kAll) {
        for (const Copy& c : PlanOf(d, system.me)) {
            copies.push_back(CopyCall(m, c));
            files[fake::FakeWindows::Normalize(m.w.windowsDirectory + c.destination)] =
                filesBefore.at(fake::FakeWindows::Normalize(m.Package(c.source)));
        }
    }
    EXPECT_EQ(m.w.CallsNamed("CopyFileA"), copies);
    EXPECT_EQ(FilesOf(m.w), files);

    const std::string deviceKey = std::string(branch) + "\\" + installer_test::kDevice;
    EXPECT_EQ(m.w.AllKeys(), expected.key == DeviceKey::kDeleted ? KeysWithout(keysBefore, deviceKey) : keysBefore);

    std::vector<std::string> started = m.w.CallsNamed("WinExec");
    EXPECT_EQ(started.size(), expected.installer == PackageInstaller::kStarted ? 1u : 0u);
    if (!started.empty()) {
        EXPECT_NE(started[0].find(std::string("PCI\\") + installer_test::kDevice), std::string::npos) << started[0];
    }
}

}  // namespace installer_faults
