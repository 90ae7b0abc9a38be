// An in-memory Windows for host tests: a registry tree, a file system whose
// files can be made to fail, top-level windows that come and go on a
// simulated clock, scripted message-box answers, and a record of every call
// in order. Exactly one FakeWindows exists while a test uses the port.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/mbcs_search.h"
#include "platform/win_types.h"

namespace fake {

// How a file refuses to be used; several may hold at once.
struct FileFaults {
    bool denyRead = false;     // no access for reading
    bool locked = false;       // held open by another program without sharing
    bool readOnly = false;     // read-only attribute: every write open fails
    bool writeFails = false;   // opens for writing, but no byte can be written
    size_t diskFullAfter = SIZE_MAX;  // bytes that fit before the disk is full
    size_t shortReadBy = 0;    // a read delivers this many bytes fewer
    bool truncateFails = false;  // SetEndOfFile refuses, though writes go through
    bool flushFails = false;   // fwrite only fills the run-time's buffer; fclose cannot write it out
};

struct FakeFile {
    std::string bytes;
    FileFaults faults;
};

struct RegistryKey {
    std::string name;
    std::vector<std::unique_ptr<RegistryKey>> subkeys;  // in enumeration order
    bool denyOpen = false;        // every open of this key fails
    bool denyFullAccess = false;  // opens fail when more than reading is asked
    bool failQueryInfo = false;
    long failEnumAt = -1;         // this enumeration index fails
    DWORD extraReportedSubkeys = 0;  // counted but gone by the time they are enumerated
    bool denyDelete = false;      // deleting this key is refused

    RegistryKey* Find(const std::string& child) const;
};

struct MessageBoxRecord {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
    int answer;

    UINT Buttons() const { return type & MB_TYPEMASK; }
    UINT Icon() const { return type & MB_ICONMASK; }
};

struct TopLevelWindow {
    std::string title;
    uint64_t appearsAt;
    uint64_t goneAt;
};

// Thrown by port::exit so a test can watch the process end; never caught by
// program code.
struct ProcessExit {
    int status;
};

// Thrown when simulated time runs past FakeWindows::hangAfterMs: the program
// would wait forever.
struct ProcessHang {};

struct RunResult {
    int status = -1;
    bool endedByExit = false;     // through the run-time's exit, not by returning
    bool hung = false;
    size_t keysOpenAtEnd = 0;
    size_t handlesOpenAtEnd = 0;  // files of either kind
};

class FakeWindows {
public:
    FakeWindows();
    ~FakeWindows();
    FakeWindows(const FakeWindows&) = delete;
    FakeWindows& operator=(const FakeWindows&) = delete;

    static FakeWindows& Current();

    // --- the system
    void SetVersion(DWORD platformId, DWORD major, DWORD minor, DWORD build);
    void SetWindows98SE() { SetVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 10, 0x040A08AE); }
    void SetWindowsMe() { SetVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 90, 0x045A0BB8); }
    void SetWindows2000() { SetVersion(VER_PLATFORM_WIN32_NT, 5, 0, 2195); }
    void SetWindowsXP() { SetVersion(VER_PLATFORM_WIN32_NT, 5, 1, 2600); }
    OSVERSIONINFOEXA version;
    bool extendedVersionQuery = true;  // the 9x family refuses the extended record
    bool versionQueryFails = false;
    bool recursiveKeyDelete = false;   // the 9x family deletes a key's whole subtree
    std::string currentDirectory = "C:\\";
    bool currentDirectoryFails = false;
    std::string windowsDirectory = "C:\\WINDOWS";
    bool windowsDirectoryFails = false;
    std::string modulePath = "C:\\PROGRAM.EXE";
    std::string commandLine = "C:\\PROGRAM.EXE";
    LeadByteTable leadBytes;  // of the ANSI code page

    // --- the file system (paths as on Windows: case and doubled backslashes
    // do not matter)
    void AddDirectory(const std::string& path);  // with its parents
    FakeFile& AddFile(const std::string& path, const std::string& bytes);  // with its directory
    FakeFile* File(const std::string& path);
    bool FileExists(const std::string& path) { return File(path) != nullptr; }
    bool DirectoryExists(const std::string& path) const;
    std::string Contents(const std::string& path);  // "" when missing
    void RemoveFile(const std::string& path);
    std::vector<std::string> FilePaths() const;  // upper-cased, sorted
    // Faults of every file that fopen or CopyFileA creates; readOnly refuses
    // the creation itself, as on a write-protected drive.
    FileFaults newFileFaults;

    // --- the registry under HKEY_LOCAL_MACHINE (paths relative to it)
    RegistryKey& AddKey(const std::string& path);  // with its parents
    RegistryKey* Key(const std::string& path);
    bool KeyExists(const std::string& path) { return Key(path) != nullptr; }
    std::vector<std::string> AllKeys() const;  // every key path, depth first

    // --- windows, processes and time
    std::vector<TopLevelWindow> windows;
    void AddWindow(const std::string& title, uint64_t appearsAt, uint64_t goneAt);
    std::function<void(const std::string& commandLine, UINT show)> onWinExec;
    UINT winExecResult = 33;
    uint64_t now = 0;  // simulated milliseconds
    uint64_t hangAfterMs = 24ull * 3600 * 1000;

    // --- memory
    size_t failAllocationsOf = SIZE_MAX;  // port::malloc of at least this size fails

    // --- message boxes
    std::deque<int> answers;  // taken in order; IDOK when none is left
    std::vector<MessageBoxRecord> boxes;

    // --- what happened
    std::vector<std::string> calls;  // "Name(arg, ...)", strings in quotes
    std::vector<std::string> CallsNamed(const std::string& name) const;
    std::vector<std::string> CallNames() const;
    size_t openKeys() const { return m_keys.size(); }
    size_t openHandles() const;

    // Runs the program whose application object exists now, through the
    // framework's entry point, until it returns or ends the process.
    RunResult Run();

    // Used by the port functions.
    struct OpenFile {
        std::string path;
        bool write = false;
        size_t pos = 0;
        size_t unflushed = 0;  // bytes fwrite took that never reached the file
    };
    void Record(const std::string& call) { calls.push_back(call); }
    RegistryKey* KeyOf(HKEY handle);
    HKEY NewKeyHandle(RegistryKey* key);
    bool CloseKeyHandle(HKEY handle);
    void* Allocate(size_t size);
    OpenFile* NewOpenFile(const std::string& path, bool write);
    OpenFile* FindOpenFile(const void* handle);
    bool CloseOpenFile(const void* handle);
    static std::string Normalize(const std::string& path);

private:
    std::map<std::string, FakeFile> m_files;  // by normalized path
    std::vector<std::string> m_directories;   // normalized
    RegistryKey m_hklm;
    std::map<uintptr_t, RegistryKey*> m_keys;
    uintptr_t m_nextKey = 0x1000;
    std::vector<std::unique_ptr<OpenFile>> m_openFiles;
    std::vector<void*> m_blocks;
};

std::string Quote(const std::string& text);
std::string UpperAscii(std::string text);  // Windows names ignore the case of ASCII letters

}  // namespace fake
