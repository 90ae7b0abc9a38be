// The startup-file patcher's application object: one working copy at a time,
// Windows 98 SE only, c:\config.sys patched, then the marker file or the
// restart prompt.
#pragma once

#include "framework/afx_app.h"

class PatcherApp : public CWinApp {
public:
    PatcherApp();

    BOOL InitInstance() override;

    int ClassifyForPatch();
    void PatchStartupFile();
    BOOL LoadWholeFile(const char* path);
    void BackupStartupFile();
    void FinishPatch();

    const char* m_pszCmdTail;
    char* m_pFileBuffer;       // the file's bytes and a NUL; never released
    LONG m_nFileBufferSize;    // the file's length plus one

private:
    BOOL WriteBack(const CString& text);
    BOOL CreateStartupFile();
    [[noreturn]] void ReportPatchFailure();
};
