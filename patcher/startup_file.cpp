// c:\config.sys read whole, backed up, rewritten in place or created.
#include <cstdio>

#include "framework/afx_file.h"
#include "framework/mbcs_search.h"
#include "patcher/patcher_app.h"
#include "patcher/settings_rewrite.h"
#include "platform/port.h"

namespace {

const char kStartupFile[] = "c:\\config.sys";
const char kFirstBackup[] = "c:\\config.bak";
const char kSecondBackup[] = "c:\\config.bk1";
const char kMissingFileText[] = "\r\nBUFFERS=90\r\nFILES=90";
const char kFailure[] = "Patch config.sys fail !!";

bool OpensForReading(const char* path)
{
    port::CrtFile* file = port::fopen(path, "r");
    if (file == nullptr)
        return false;
    port::fclose(file);
    return true;
}

}  // namespace

void PatcherApp::PatchStartupFile()
{
    if (LoadWholeFile(kStartupFile)) {
        BackupStartupFile();
        CString text = RewriteSettings(m_pFileBuffer, m_nFileBufferSize - 1, AnsiLeadBytes());
        if (!WriteBack(text))
            ReportPatchFailure();
        FinishPatch();
        return;
    }
    // A file that is there but could not be read (held open elsewhere, no
    // access, no memory, short read) keeps its content; only a missing one
    // is created.
    if (port::GetFileAttributesA(kStartupFile) != INVALID_FILE_ATTRIBUTES || !CreateStartupFile())
        ReportPatchFailure();
    FinishPatch();
}

BOOL PatcherApp::LoadWholeFile(const char* path)
{
    if (path == nullptr)
        return FALSE;
    port::CrtFile* file = port::fopen(path, "rb");
    if (file == nullptr)
        return FALSE;
    long here = port::ftell(file);
    long length = -1;
    if (here >= 0 && port::fseek(file, 0, SEEK_END) == 0)
        length = port::ftell(file);
    if (length < 0 || length >= 0x7FFFFFFFL || port::fseek(file, here, SEEK_SET) != 0) {
        port::fclose(file);
        return FALSE;
    }
    char* buffer = static_cast<char*>(port::malloc(static_cast<size_t>(length) + 1));
    if (buffer == nullptr) {
        port::fclose(file);
        return FALSE;
    }
    size_t got = port::fread(buffer, 1, static_cast<size_t>(length) + 1, file);
    port::fclose(file);
    // A short read would write a cut-down file back over the real one.
    if (got != static_cast<size_t>(length))
        return FALSE;
    buffer[length] = 0;
    m_pFileBuffer = buffer;
    m_nFileBufferSize = static_cast<LONG>(length + 1);
    return TRUE;
}

void PatcherApp::BackupStartupFile()
{
    // Only whether a backup opens is asked, never what it holds; the first
    // two generations stay for good.
    if (!OpensForReading(kFirstBackup))
        port::CopyFileA(kStartupFile, kFirstBackup, FALSE);
    else if (!OpensForReading(kSecondBackup))
        port::CopyFileA(kStartupFile, kSecondBackup, FALSE);
}

BOOL PatcherApp::WriteBack(const CString& text)
{
    CFile file;
    if (!file.OpenExistingForWrite(kStartupFile))
        return FALSE;
    // Cut to the new length: the new text may be shorter than the old. Where
    // it is not, nothing lies past it, and a cut that fails has lost nothing;
    // putting the old content back then would leave the end of the new text
    // behind it.
    const int oldLength = m_nFileBufferSize - 1;
    if (file.Write(text, static_cast<UINT>(text.GetLength())) &&
        (file.SetLengthHere() || text.GetLength() >= oldLength) && file.Close())
        return TRUE;
    file.Close();
    // Put the old content back rather than leave a half-written file.
    if (file.OpenExistingForWrite(kStartupFile)) {
        // A put-back that stops short stops no earlier than the write did, so
        // the old bytes after it were never overwritten: cutting there would
        // throw them away.
        if (file.Write(m_pFileBuffer, static_cast<UINT>(m_nFileBufferSize - 1)))
            file.SetLengthHere();
        file.Close();
    }
    return FALSE;
}

BOOL PatcherApp::CreateStartupFile()
{
    port::CrtFile* file = port::fopen(kStartupFile, "wb");
    if (file == nullptr)
        return FALSE;
    const size_t size = sizeof kMissingFileText - 1;
    bool written = port::fwrite(kMissingFileText, 1, size, file) == size;
    bool closed = port::fclose(file) == 0;  // buffered bytes reach the disk here
    if (written && closed)
        return TRUE;
    // There was no file before: one cut short would be read as the startup
    // file by Windows and by the next run.
    port::DeleteFileA(kStartupFile);
    return FALSE;
}

void PatcherApp::ReportPatchFailure()
{
    DoMessageBox(kFailure, MB_OK, 0);
    port::exit(0);
}
