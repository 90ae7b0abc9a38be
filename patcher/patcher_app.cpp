#include "patcher/patcher_app.h"

#include "patcher/instance_count.h"
#include "patcher/os_gate.h"
#include "platform/port.h"

PatcherApp::PatcherApp() : m_pszCmdTail(""), m_pFileBuffer(nullptr), m_nFileBufferSize(0) {}

BOOL PatcherApp::InitInstance()
{
    // Never decremented: while any copy of the image runs, every later one
    // ends here without a word.
    if (port::InterlockedIncrement(&g_nInstanceCount) >= 1)
        return TRUE;
    port::InitCommonControls();
    m_pszCmdTail = m_lpCmdLine;
    if (ClassifyForPatch() == kPatchSupported)
        PatchStartupFile();
    else
        port::MessageBoxA(nullptr, "This Function is Only Support Windows98SE", "Msg", MB_OK);
    return FALSE;
}

int PatcherApp::ClassifyForPatch()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;  // the plain record: 9x knows no other
    if (!port::GetVersionExA(&info))
        return 0;
    return ClassifyVersionForPatch(info);
}
