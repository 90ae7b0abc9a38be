// The application framework the three programs are written against: one
// application object in static storage, an entry point that prepares the
// process and calls InitInstance, and the framework message box.
#pragma once

#include "framework/afx_string.h"
#include "platform/win_types.h"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    // All of a program's work happens here. FALSE ends the process at once;
    // TRUE runs the message loop, which ends at once as there is no window.
    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // No owner (there is no main window), the application title as caption,
    // and the exclamation icon when type names no icon.
    virtual int DoMessageBox(const char* text, UINT type, UINT helpId);

    // Kept for programs that ask for three-dimensional dialog controls; the
    // system draws them that way already.
    void Enable3dControlsStatic() {}

    const char* m_pszAppName;  // the executable's file name without directory and extension
    const char* m_lpCmdLine;   // the command line after the program name

private:
    friend int AfxWinMain();
    CString m_strAppName;
};

CWinApp* AfxGetApp();

// The process's whole life: what WinMain runs. Returns the exit status.
int AfxWinMain();

// Ends the process when the framework cannot get memory for a string; no
// half-built text ever reaches a file.
[[noreturn]] void AfxMemoryFailure();

// What the entry point derives from the module path and the command line.
CString AppTitleFromModulePath(const char* modulePath);
const char* CommandLineTail(const char* commandLine);
