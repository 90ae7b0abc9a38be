// Every Windows and run-time operation the programs use, behind one header.
// platform/win32 forwards each call to the function of the same name; the
// host build links platform/fake instead, so whole runs can be tested on
// Linux. Program code calls port:: and never the system directly.
#pragma once

#include <cstddef>

#include "platform/win_types.h"

namespace port {

// kernel32
BOOL GetVersionExA(OSVERSIONINFOA* info);  // the size field picks the record
DWORD GetCurrentDirectoryA(DWORD size, char* buffer);
UINT GetWindowsDirectoryA(char* buffer, UINT size);
DWORD GetModuleFileNameA(char* buffer, DWORD size);  // this program's own image
const char* GetCommandLineA();
UINT SetErrorMode(UINT mode);
BOOL CopyFileA(const char* from, const char* to, BOOL failIfExists);
BOOL DeleteFileA(const char* path);
DWORD GetFileAttributesA(const char* path);
HANDLE CreateFileA(const char* path, DWORD access, DWORD share, DWORD disposition);
BOOL WriteFile(HANDLE file, const void* data, DWORD size, DWORD* written);
BOOL SetEndOfFile(HANDLE file);
BOOL CloseHandle(HANDLE handle);
UINT WinExec(const char* commandLine, UINT show);
void Sleep(DWORD milliseconds);
LONG InterlockedIncrement(LONG volatile* value);  // value may live in a shared section
BOOL IsDBCSLeadByte(BYTE value);                   // of the ANSI code page

// user32
HWND FindWindowA(const char* className, const char* windowName);
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);
BOOL ExitWindowsEx(UINT flags, DWORD reserved);
int RunMessageLoop();  // until WM_QUIT; a program without a window quits at once

// comctl32
void InitCommonControls();

// advapi32
LONG RegOpenKeyA(HKEY parent, const char* subKey, HKEY* result);
LONG RegOpenKeyExA(HKEY parent, const char* subKey, DWORD options, REGSAM access, HKEY* result);
LONG RegQueryInfoKeyA(HKEY key, DWORD* subKeyCount);  // every other out-argument null
LONG RegEnumKeyA(HKEY key, DWORD index, char* name, DWORD nameSize);
LONG RegDeleteKeyA(HKEY key, const char* subKey);
LONG RegCloseKey(HKEY key);

// C run-time
struct CrtFile;
CrtFile* fopen(const char* path, const char* mode);
int fseek(CrtFile* file, long offset, int origin);
long ftell(CrtFile* file);
size_t fread(void* buffer, size_t size, size_t count, CrtFile* file);
size_t fwrite(const void* data, size_t size, size_t count, CrtFile* file);
int fclose(CrtFile* file);
void* malloc(size_t size);  // blocks that live until the process ends
[[noreturn]] void exit(int status);

}  // namespace port
