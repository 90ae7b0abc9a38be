// The port on the fake: every call is recorded, then answered from the
// FakeWindows in place.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/fake/fake_windows.h"
#include "platform/port.h"

using fake::FakeFile;
using fake::FakeWindows;
using fake::UpperAscii;

namespace {

FakeWindows& W()
{
    return FakeWindows::Current();
}

std::string Str(const char* text)
{
    return text == nullptr ? std::string("NULL") : fake::Quote(text);
}

std::string Num(unsigned long long value)
{
    return std::to_string(value);
}

std::string Hex(unsigned long value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%lX", value);
    return text;
}

bool CanRead(const FakeFile* file)
{
    return file != nullptr && !file->faults.denyRead && !file->faults.locked;
}

bool CanWrite(const FakeFile* file)
{
    return !file->faults.readOnly && !file->faults.locked;
}

std::string ParentDirectory(const std::string& path)
{
    std::string normalized = FakeWindows::Normalize(path);
    size_t slash = normalized.rfind('\\');
    return slash == std::string::npos ? std::string() : normalized.substr(0, slash);
}

// A file a program creates: refused on a write-protected drive, otherwise
// empty and with the faults every new file gets.
FakeFile* NewFile(const std::string& path)
{
    if (W().newFileFaults.readOnly)
        return nullptr;
    FakeFile* file = &W().AddFile(path, "");
    file->faults = W().newFileFaults;
    return file;
}

// Writes at pos, as far as the disk allows; returns the bytes written.
size_t WriteAt(FakeFile* file, size_t pos, const char* data, size_t size)
{
    if (file->faults.writeFails)
        return 0;
    size_t room = file->faults.diskFullAfter > pos ? file->faults.diskFullAfter - pos : 0;
    size_t count = std::min(size, room);
    if (file->bytes.size() < pos + count)
        file->bytes.resize(pos + count);
    file->bytes.replace(pos, count, data, count);
    return count;
}

}  // namespace

namespace port {

BOOL GetVersionExA(OSVERSIONINFOA* info)
{
    DWORD size = info->dwOSVersionInfoSize;
    W().Record("GetVersionExA(" + Num(size) + ")");
    if (W().versionQueryFails)
        return FALSE;
    if (size == sizeof(OSVERSIONINFOEXA) && W().extendedVersionQuery) {
        std::memcpy(info, &W().version, sizeof(OSVERSIONINFOEXA));
    } else if (size == sizeof(OSVERSIONINFOA)) {
        std::memcpy(info, &W().version, sizeof(OSVERSIONINFOA));
    } else {
        return FALSE;
    }
    info->dwOSVersionInfoSize = size;
    return TRUE;
}

DWORD GetCurrentDirectoryA(DWORD size, char* buffer)
{
    W().Record("GetCurrentDirectoryA(" + Num(size) + ")");
    if (W().currentDirectoryFails)
        return 0;
    const std::string& dir = W().currentDirectory;
    if (dir.size() + 1 > size)
        return static_cast<DWORD>(dir.size() + 1);
    std::memcpy(buffer, dir.c_str(), dir.size() + 1);
    return static_cast<DWORD>(dir.size());
}

UINT GetWindowsDirectoryA(char* buffer, UINT size)
{
    W().Record("GetWindowsDirectoryA(" + Num(size) + ")");
    if (W().windowsDirectoryFails)
        return 0;
    const std::string& dir = W().windowsDirectory;
    if (dir.size() + 1 > size)
        return static_cast<UINT>(dir.size() + 1);
    std::memcpy(buffer, dir.c_str(), dir.size() + 1);
    return static_cast<UINT>(dir.size());
}

DWORD GetModuleFileNameA(char* buffer, DWORD size)
{
    const std::string& path = W().modulePath;
    size_t count = std::min<size_t>(path.size(), size == 0 ? 0 : size - 1);
    std::memcpy(buffer, path.data(), count);
    if (size != 0)
        buffer[count] = 0;
    return static_cast<DWORD>(count);
}

const char* GetCommandLineA()
{
    return W().commandLine.c_str();
}

UINT SetErrorMode(UINT mode)
{
    W().Record("SetErrorMode(" + Hex(mode) + ")");
    return 0;
}

BOOL CopyFileA(const char* from, const char* to, BOOL failIfExists)
{
    W().Record("CopyFileA(" + Str(from) + ", " + Str(to) + ", " + Num(failIfExists) + ")");
    FakeFile* source = W().File(from);
    if (!CanRead(source) || !W().DirectoryExists(ParentDirectory(to)))
        return FALSE;
    FakeFile* target = W().File(to);
    if (target != nullptr && (failIfExists || !CanWrite(target) || target->faults.writeFails))
        return FALSE;
    std::string bytes = source->bytes;
    FakeFile* copy = target != nullptr ? target : NewFile(to);
    if (copy == nullptr)
        return FALSE;
    if (copy == target) {
        copy->faults = fake::FileFaults();  // the copy replaces the file, faults and all
        copy->bytes.clear();
    }
    return WriteAt(copy, 0, bytes.data(), bytes.size()) == bytes.size() ? TRUE : FALSE;
}

BOOL DeleteFileA(const char* path)
{
    W().Record("DeleteFileA(" + Str(path) + ")");
    FakeFile* file = W().File(path);
    if (file == nullptr || !CanWrite(file))  // Windows keeps read-only and open files
        return FALSE;
    W().RemoveFile(path);
    return TRUE;
}

DWORD GetFileAttributesA(const char* path)
{
    W().Record("GetFileAttributesA(" + Str(path) + ")");
    if (FakeFile* file = W().File(path))
        return file->faults.readOnly ? FILE_ATTRIBUTE_READONLY | 0x20u : 0x20u;
    if (W().DirectoryExists(path))
        return FILE_ATTRIBUTE_DIRECTORY;
    return INVALID_FILE_ATTRIBUTES;
}

HANDLE CreateFileA(const char* path, DWORD access, DWORD share, DWORD disposition)
{
    W().Record("CreateFileA(" + Str(path) + ", " + Hex(access) + ", " + Num(share) + ", " + Num(disposition) + ")");
    FakeFile* file = W().File(path);
    // Only what the programs ask for: an existing file, for writing.
    if (file == nullptr || disposition != OPEN_EXISTING || access != GENERIC_WRITE || !CanWrite(file))
        return INVALID_HANDLE_VALUE;
    return W().NewOpenFile(path, true);
}

BOOL WriteFile(HANDLE handle, const void* data, DWORD size, DWORD* written)
{
    W().Record("WriteFile(" + Num(size) + ")");
    auto* open = W().FindOpenFile(handle);
    FakeFile* file = open != nullptr ? W().File(open->path) : nullptr;
    if (file == nullptr || !open->write)
        return FALSE;
    size_t count = WriteAt(file, open->pos, static_cast<const char*>(data), size);
    open->pos += count;
    *written = static_cast<DWORD>(count);
    return count == size || count > 0;  // a full disk reports a short count, not an error
}

BOOL SetEndOfFile(HANDLE handle)
{
    W().Record("SetEndOfFile()");
    auto* open = W().FindOpenFile(handle);
    FakeFile* file = open != nullptr ? W().File(open->path) : nullptr;
    if (file == nullptr || !open->write || file->faults.writeFails || file->faults.truncateFails)
        return FALSE;
    file->bytes.resize(open->pos);
    return TRUE;
}

BOOL CloseHandle(HANDLE handle)
{
    W().Record("CloseHandle()");
    return W().CloseOpenFile(handle) ? TRUE : FALSE;
}

UINT WinExec(const char* commandLine, UINT show)
{
    W().Record("WinExec(" + Str(commandLine) + ", " + Num(show) + ")");
    if (W().onWinExec)
        W().onWinExec(commandLine, show);
    return W().winExecResult;
}

void Sleep(DWORD milliseconds)
{
    W().Record("Sleep(" + Num(milliseconds) + ")");
    W().now += milliseconds;
    if (W().now > W().hangAfterMs)
        throw fake::ProcessHang();
}

LONG InterlockedIncrement(LONG volatile* value)
{
    W().Record("InterlockedIncrement()");
    return ++*value;
}

BOOL IsDBCSLeadByte(BYTE value)
{
    return W().leadBytes.IsLead(value) ? TRUE : FALSE;
}

HWND FindWindowA(const char* className, const char* windowName)
{
    W().Record("FindWindowA(" + Str(className) + ", " + Str(windowName) + ")");
    // Titles compare without regard to case, but otherwise exactly: doubled
    // backslashes are not paths here.
    std::string name = UpperAscii(windowName != nullptr ? windowName : "");
    const auto& windows = W().windows;
    for (size_t i = 0; i < windows.size(); ++i) {
        const fake::TopLevelWindow& window = windows[i];
        if (UpperAscii(window.title) == name && window.appearsAt <= W().now && W().now < window.goneAt)
            return reinterpret_cast<HWND>(static_cast<uintptr_t>(0x10000 + i));
    }
    return nullptr;
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type)
{
    W().Record("MessageBoxA(" + Str(text) + ", " + Str(caption) + ", " + Hex(type) + ")");
    int answer = IDOK;
    if (!W().answers.empty()) {
        answer = W().answers.front();
        W().answers.pop_front();
    }
    W().boxes.push_back(fake::MessageBoxRecord{owner, text != nullptr ? text : "", caption != nullptr ? caption : "",
                                               type, answer});
    return answer;
}

BOOL ExitWindowsEx(UINT flags, DWORD reserved)
{
    W().Record("ExitWindowsEx(" + Num(flags) + ", " + Num(reserved) + ")");
    return TRUE;
}

int RunMessageLoop()
{
    W().Record("RunMessageLoop()");
    return 0;
}

void InitCommonControls()
{
    W().Record("InitCommonControls()");
}

namespace {

LONG OpenKey(HKEY parent, const char* subKey, REGSAM access, HKEY* result)
{
    fake::RegistryKey* key = W().KeyOf(parent);
    if (key == nullptr)
        return 6;  // ERROR_INVALID_HANDLE
    std::string path = subKey != nullptr ? subKey : "";
    std::string part;
    for (size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\') {
            if (!part.empty()) {
                key = key->Find(part);
                if (key == nullptr)
                    return ERROR_FILE_NOT_FOUND;
                if (key->denyOpen)
                    return ERROR_ACCESS_DENIED;
            }
            part.clear();
        } else {
            part += path[i];
        }
    }
    if (key->denyFullAccess && access == KEY_ALL_ACCESS)
        return ERROR_ACCESS_DENIED;
    *result = W().NewKeyHandle(key);
    return ERROR_SUCCESS;
}

void DeleteSubtree(fake::RegistryKey* parent, fake::RegistryKey* key)
{
    auto& list = parent->subkeys;
    list.erase(std::remove_if(list.begin(), list.end(), [key](const auto& k) { return k.get() == key; }), list.end());
}

}  // namespace

LONG RegOpenKeyA(HKEY parent, const char* subKey, HKEY* result)
{
    W().Record("RegOpenKeyA(" + Str(subKey) + ")");
    const REGSAM maximumAllowed = 0x02000000u;  // what the plain open asks for
    return OpenKey(parent, subKey, maximumAllowed, result);
}

LONG RegOpenKeyExA(HKEY parent, const char* subKey, DWORD options, REGSAM access, HKEY* result)
{
    W().Record("RegOpenKeyExA(" + Str(subKey) + ", " + Num(options) + ", " + Hex(access) + ")");
    return OpenKey(parent, subKey, access, result);
}

LONG RegQueryInfoKeyA(HKEY handle, DWORD* subKeyCount)
{
    W().Record("RegQueryInfoKeyA()");
    fake::RegistryKey* key = W().KeyOf(handle);
    if (key == nullptr)
        return 6;
    if (key->failQueryInfo)
        return ERROR_ACCESS_DENIED;
    *subKeyCount = static_cast<DWORD>(key->subkeys.size()) + key->extraReportedSubkeys;
    return ERROR_SUCCESS;
}

LONG RegEnumKeyA(HKEY handle, DWORD index, char* name, DWORD nameSize)
{
    W().Record("RegEnumKeyA(" + Num(index) + ", " + Num(nameSize) + ")");
    fake::RegistryKey* key = W().KeyOf(handle);
    if (key == nullptr)
        return 6;
    if (key->failEnumAt >= 0 && static_cast<DWORD>(key->failEnumAt) == index)
        return ERROR_ACCESS_DENIED;
    if (index >= key->subkeys.size())
        return ERROR_NO_MORE_ITEMS;
    const std::string& subName = key->subkeys[index]->name;
    if (subName.size() + 1 > nameSize)
        return ERROR_MORE_DATA;
    std::memcpy(name, subName.c_str(), subName.size() + 1);
    return ERROR_SUCCESS;
}

LONG RegDeleteKeyA(HKEY handle, const char* subKey)
{
    W().Record("RegDeleteKeyA(" + Str(subKey) + ")");
    fake::RegistryKey* parent = W().KeyOf(handle);
    if (parent == nullptr)
        return 6;
    fake::RegistryKey* key = subKey != nullptr ? parent->Find(subKey) : nullptr;
    if (key == nullptr)
        return ERROR_FILE_NOT_FOUND;
    if (key->denyDelete || (!key->subkeys.empty() && !W().recursiveKeyDelete))
        return ERROR_ACCESS_DENIED;
    DeleteSubtree(parent, key);
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY handle)
{
    W().Record("RegCloseKey()");
    return W().CloseKeyHandle(handle) ? ERROR_SUCCESS : 6;
}

CrtFile* fopen(const char* path, const char* mode)
{
    W().Record("fopen(" + Str(path) + ", " + Str(mode) + ")");
    std::string how = mode;
    FakeFile* file = W().File(path);
    if (how[0] == 'r') {
        if (!CanRead(file))
            return nullptr;
        return reinterpret_cast<CrtFile*>(W().NewOpenFile(path, false));
    }
    if (how[0] == 'w') {
        if (file != nullptr ? !CanWrite(file) : !W().DirectoryExists(ParentDirectory(path)))
            return nullptr;
        if (file == nullptr && (file = NewFile(path)) == nullptr)
            return nullptr;
        if (!file->faults.writeFails)
            file->bytes.clear();
        return reinterpret_cast<CrtFile*>(W().NewOpenFile(path, true));
    }
    return nullptr;
}

int fseek(CrtFile* handle, long offset, int origin)
{
    auto* open = W().FindOpenFile(handle);
    FakeFile* file = open != nullptr ? W().File(open->path) : nullptr;
    if (file == nullptr)
        return -1;
    long base = origin == SEEK_END ? static_cast<long>(file->bytes.size())
                : origin == SEEK_CUR ? static_cast<long>(open->pos) : 0;
    if (base + offset < 0)
        return -1;
    open->pos = static_cast<size_t>(base + offset);
    return 0;
}

long ftell(CrtFile* handle)
{
    auto* open = W().FindOpenFile(handle);
    return open != nullptr ? static_cast<long>(open->pos) : -1;
}

size_t fread(void* buffer, size_t size, size_t count, CrtFile* handle)
{
    W().Record("fread(" + Num(size) + ", " + Num(count) + ")");
    auto* open = W().FindOpenFile(handle);
    FakeFile* file = open != nullptr ? W().File(open->path) : nullptr;
    if (file == nullptr || open->write || size == 0)
        return 0;
    size_t available = open->pos < file->bytes.size() ? file->bytes.size() - open->pos : 0;
    available = available > file->faults.shortReadBy ? available - file->faults.shortReadBy : 0;
    size_t items = std::min(count, available / size);
    std::memcpy(buffer, file->bytes.data() + open->pos, items * size);
    open->pos += items * size;
    return items;
}

size_t fwrite(const void* data, size_t size, size_t count, CrtFile* handle)
{
    W().Record("fwrite(" + Num(size) + ", " + Num(count) + ")");
    auto* open = W().FindOpenFile(handle);
    FakeFile* file = open != nullptr ? W().File(open->path) : nullptr;
    if (file == nullptr || !open->write || size == 0)
        return 0;
    if (file->faults.flushFails) {
        open->unflushed += size * count;
        return count;
    }
    size_t written = WriteAt(file, open->pos, static_cast<const char*>(data), size * count);
    open->pos += written;
    return written / size;
}

int fclose(CrtFile* handle)
{
    W().Record("fclose()");
    auto* open = W().FindOpenFile(handle);
    bool lost = open != nullptr && open->unflushed > 0;
    return W().CloseOpenFile(handle) && !lost ? 0 : -1;  // EOF; the stream is gone either way
}

void* malloc(size_t size)
{
    W().Record("malloc(" + Num(size) + ")");
    return W().Allocate(size);
}

void exit(int status)
{
    W().Record("exit(" + Num(status) + ")");
    throw fake::ProcessExit{status};
}

}  // namespace port
