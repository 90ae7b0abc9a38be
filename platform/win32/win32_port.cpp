// The port on real Windows: each operation is the system call of the same
// name, in its ANSI form, so what the programs do is what Windows sees.
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>

#include "platform/port.h"

namespace port {

BOOL GetVersionExA(OSVERSIONINFOA* info) { return ::GetVersionExA(info); }
DWORD GetCurrentDirectoryA(DWORD size, char* buffer) { return ::GetCurrentDirectoryA(size, buffer); }
UINT GetWindowsDirectoryA(char* buffer, UINT size) { return ::GetWindowsDirectoryA(buffer, size); }
DWORD GetModuleFileNameA(char* buffer, DWORD size) { return ::GetModuleFileNameA(nullptr, buffer, size); }
const char* GetCommandLineA() { return ::GetCommandLineA(); }
UINT SetErrorMode(UINT mode) { return ::SetErrorMode(mode); }
BOOL CopyFileA(const char* from, const char* to, BOOL failIfExists) { return ::CopyFileA(from, to, failIfExists); }
BOOL DeleteFileA(const char* path) { return ::DeleteFileA(path); }
DWORD GetFileAttributesA(const char* path) { return ::GetFileAttributesA(path); }

HANDLE CreateFileA(const char* path, DWORD access, DWORD share, DWORD disposition)
{
    return ::CreateFileA(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

BOOL WriteFile(HANDLE file, const void* data, DWORD size, DWORD* written)
{
    return ::WriteFile(file, data, size, written, nullptr);  // 9x needs the count pointer
}

BOOL SetEndOfFile(HANDLE file) { return ::SetEndOfFile(file); }
BOOL CloseHandle(HANDLE handle) { return ::CloseHandle(handle); }
UINT WinExec(const char* commandLine, UINT show) { return ::WinExec(commandLine, show); }
void Sleep(DWORD milliseconds) { ::Sleep(milliseconds); }
LONG InterlockedIncrement(LONG volatile* value) { return ::InterlockedIncrement(value); }
BOOL IsDBCSLeadByte(BYTE value) { return ::IsDBCSLeadByte(value); }

HWND FindWindowA(const char* className, const char* windowName) { return ::FindWindowA(className, windowName); }
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) { return ::MessageBoxA(owner, text, caption, type); }
BOOL ExitWindowsEx(UINT flags, DWORD reserved) { return ::ExitWindowsEx(flags, reserved); }

int RunMessageLoop()
{
    ::PostQuitMessage(0);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void InitCommonControls() { ::InitCommonControls(); }

LONG RegOpenKeyA(HKEY parent, const char* subKey, HKEY* result) { return ::RegOpenKeyA(parent, subKey, result); }

LONG RegOpenKeyExA(HKEY parent, const char* subKey, DWORD options, REGSAM access, HKEY* result)
{
    return ::RegOpenKeyExA(parent, subKey, options, access, result);
}

LONG RegQueryInfoKeyA(HKEY key, DWORD* subKeyCount)
{
    return ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, subKeyCount, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr);
}

LONG RegEnumKeyA(HKEY key, DWORD index, char* name, DWORD nameSize) { return ::RegEnumKeyA(key, index, name, nameSize); }
LONG RegDeleteKeyA(HKEY key, const char* subKey) { return ::RegDeleteKeyA(key, subKey); }  // 9x: the whole subtree
LONG RegCloseKey(HKEY key) { return ::RegCloseKey(key); }

CrtFile* fopen(const char* path, const char* mode) { return reinterpret_cast<CrtFile*>(std::fopen(path, mode)); }
int fseek(CrtFile* file, long offset, int origin) { return std::fseek(reinterpret_cast<FILE*>(file), offset, origin); }
long ftell(CrtFile* file) { return std::ftell(reinterpret_cast<FILE*>(file)); }

size_t fread(void* buffer, size_t size, size_t count, CrtFile* file)
{
    return std::fread(buffer, size, count, reinterpret_cast<FILE*>(file));
}

size_t fwrite(const void* data, size_t size, size_t count, CrtFile* file)
{
    return std::fwrite(data, size, count, reinterpret_cast<FILE*>(file));
}

int fclose(CrtFile* file) { return std::fclose(reinterpret_cast<FILE*>(file)); }
void* malloc(size_t size) { return std::malloc(size); }
void exit(int status) { std::exit(status); }

}  // namespace port
