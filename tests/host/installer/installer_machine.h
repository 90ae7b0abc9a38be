// A fake machine with one installer deliverable and its driver package in
// the start-up directory, for whole runs.
#pragma once

#include <string>
#include <vector>

#include "installer/installer_app.h"
#include "platform/fake/fake_windows.h"

namespace installer_test {

struct Deliverable {
    const char* name;  // also the executable's title
    const PackageProfile* profile;
    const char* packageDir;  // under the start-up directory
    const char* keyFile;     // the same, as the package spells it
    const char* lookupFailText;
};

const Deliverable kKestrav = {"Kestrav", &kZt4410Profile, "\\Zt4410", "\\Zt4410\\key.ini", "Get Install key fail !!"};
const Deliverable kRavlind = {"Ravlind", &kZt4410rProfile, "\\Zt4410r", "\\Zt4410r\\KEY.INI", "Get install key fail !!"};

const char kBranch9x[] = "Enum\\PCI";
const char kBranchNt[] = "SYSTEM\\CurrentControlSet\\Enum\\PCI";
const char kDevice[] = "VEN_1234&DEV_4410&SUBSYS_00000000&REV_01";
const char kOtherDevice[] = "VEN_8086&DEV_7110&SUBSYS_00000000&REV_01";
const char kKeyList[] = "[Controllers]\r\nDEV1=DEV_4410\r\n";

struct Box {
    std::string text;
    std::string caption;
    UINT type;
    bool owned;

    bool operator==(const Box& o) const
    {
        return text == o.text && caption == o.caption && type == o.type && owned == o.owned;
    }
};

inline void PrintTo(const Box& b, std::ostream* out)
{
    *out << "{\"" << b.text << "\", \"" << b.caption << "\", 0x" << std::hex << b.type << std::dec
         << (b.owned ? ", owned}" : "}");
}

// How the installer reports after start-up: the title as caption, OK, the exclamation icon.
inline Box AppBox(const Deliverable& d, const std::string& text)
{
    return Box{text, d.name, MB_OK | MB_ICONEXCLAMATION, false};
}

// How it reports before: caption "Message", OK, no icon.
inline Box StartupBox(const std::string& text)
{
    return Box{text, "Message", MB_OK, false};
}

class Machine {
public:
    explicit Machine(const Deliverable& d, const std::string& baseDir = "C:\\DRV",
                     const std::vector<std::string>& windowsDirs = {"INF", "SYSTEM\\IOSUBSYS", "OPTIONS\\INSTALL"})
        : d(d), baseDir(baseDir)
    {
        w.currentDirectory = baseDir;
        w.modulePath = std::string("C:\\SETUP\\") + d.name + ".exe";  // started from elsewhere
        w.commandLine = w.modulePath;
        for (const std::string& dir : windowsDirs)
            w.AddDirectory("C:\\WINDOWS\\" + dir);
    }

    // The key list and every driver file of the package, each file holding its own name.
    void AddPackage(const std::string& keyList = kKeyList)
    {
        w.AddFile(Package(d.keyFile), keyList);
        for (const char* file : DriverFiles())
            w.AddFile(Package(std::string(d.packageDir) + file), file);
    }

    std::vector<const char*> DriverFiles() const
    {
        if (d.profile == &kZt4410Profile)
            return {"\\zt4410.inf", "\\zt4410.mpd", "\\ztxsupp.vxd", "\\ztlsupp.cpl"};
        return {"\\zt4410r.inf", "\\zt4410r.mpd", "\\ztxsupp.vxd"};
    }

    // The controller with an instance below it, and a device of another make.
    void AddDevices(const char* branch)
    {
        w.AddKey(std::string(branch) + "\\" + kOtherDevice + "\\BUS_00&DEV_07&FUNC_00");
        w.AddKey(std::string(branch) + "\\" + kDevice + "\\BUS_00&DEV_0B&FUNC_00");
    }

    std::string Package(const std::string& relative) const { return Under(baseDir, relative); }

    fake::RunResult Run()
    {
        InstallerApp app(*d.profile);
        fake::RunResult result = w.Run();
        deviceKey = static_cast<const char*>(app.m_strDeviceKey);
        keyCount = app.m_nKeyCount;
        return result;
    }

    std::vector<Box> Boxes() const
    {
        std::vector<Box> boxes;
        for (const fake::MessageBoxRecord& b : w.boxes)
            boxes.push_back(Box{b.text, b.caption, b.type, b.owner != nullptr});
        return boxes;
    }

    // Index of the first call of that name in the record, or -1.
    long IndexOf(const std::string& prefix) const
    {
        for (size_t i = 0; i < w.calls.size(); ++i)
            if (w.calls[i].compare(0, prefix.size(), prefix) == 0)
                return static_cast<long>(i);
        return -1;
    }
    long LastIndexOf(const std::string& prefix) const
    {
        long found = -1;
        for (size_t i = 0; i < w.calls.size(); ++i)
            if (w.calls[i].compare(0, prefix.size(), prefix) == 0)
                found = static_cast<long>(i);
        return found;
    }

    // Every key open at the end was closed before the process ended.
    ::testing::AssertionResult KeysClosed(const fake::RunResult& r) const
    {
        if (r.keysOpenAtEnd != 0)
            return ::testing::AssertionFailure() << r.keysOpenAtEnd << " keys left open";
        // A real exit does not unwind: a close that only a destructor makes
        // (recorded here after the exit) never happens there.
        if (r.endedByExit && LastIndexOf("RegCloseKey") > LastIndexOf("exit("))
            return ::testing::AssertionFailure() << "a key was closed only by unwinding past exit";
        return ::testing::AssertionSuccess();
    }

    static std::string Under(const std::string& dir, const std::string& relative) { return dir + relative; }

    const Deliverable& d;
    std::string baseDir;
    fake::FakeWindows w;
    std::string deviceKey;
    int keyCount = -1;
};

inline std::string Q(const std::string& text)
{
    return "\"" + text + "\"";
}

}  // namespace installer_test
