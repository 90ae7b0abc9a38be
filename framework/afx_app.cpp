#include "framework/afx_app.h"

#include "framework/mbcs_search.h"
#include "platform/port.h"

namespace {
CWinApp* g_pApp = nullptr;

LeadByteTable QueryAnsiLeadBytes()
{
    LeadByteTable table;
    for (int b = 0; b < 256; ++b)
        table.SetLead(static_cast<unsigned char>(b), port::IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE);
    return table;
}
}  // namespace

CWinApp::CWinApp() : m_pszAppName(""), m_lpCmdLine("")
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

int CWinApp::DoMessageBox(const char* text, UINT type, UINT /*helpId*/)
{
    if ((type & MB_ICONMASK) == 0)
        type |= MB_ICONEXCLAMATION;
    return port::MessageBoxA(nullptr, text, m_pszAppName, type);
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

int AfxWinMain()
{
    CWinApp* app = AfxGetApp();
    // A set-up tool must not stop on "insert a disk" or "cannot find file"
    // boxes from Windows itself; it reports what it needs to in its own words.
    port::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    SetAnsiLeadBytes(QueryAnsiLeadBytes());

    char modulePath[MAX_PATH + 1] = {0};
    DWORD length = port::GetModuleFileNameA(modulePath, MAX_PATH);
    modulePath[length < MAX_PATH ? length : MAX_PATH] = 0;
    app->m_strAppName = AppTitleFromModulePath(modulePath);
    app->m_pszAppName = app->m_strAppName;
    app->m_lpCmdLine = CommandLineTail(port::GetCommandLineA());

    if (!app->InitInstance()) {
        app->ExitInstance();
        return 0;
    }
    port::RunMessageLoop();
    app->ExitInstance();
    return 0;
}

void AfxMemoryFailure()
{
    port::exit(0);
}

CString AppTitleFromModulePath(const char* modulePath)
{
    CString path(modulePath);
    // The last backslash that is a character of its own, not the second
    // byte of a double-byte character.
    int nameStart = 0;
    for (int pos = path.Find('\\'); pos >= 0; pos = path.Find('\\', pos + 1))
        nameStart = pos + 1;
    CString name(static_cast<const char*>(path) + nameStart, path.GetLength() - nameStart);
    int dot = -1;
    for (int pos = name.Find('.'); pos >= 0; pos = name.Find('.', pos + 1))
        dot = pos;
    return dot >= 0 ? CString(name, dot) : name;
}

const char* CommandLineTail(const char* commandLine)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(commandLine);
    if (*p == '"') {
        ++p;
        while (*p != 0 && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p > ' ')
            ++p;
    }
    while (*p != 0 && *p <= ' ')
        ++p;
    return reinterpret_cast<const char*>(p);
}
