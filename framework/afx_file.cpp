#include "framework/afx_file.h"

#include "platform/port.h"

CFile::CFile() : m_hFile(INVALID_HANDLE_VALUE) {}

CFile::~CFile()
{
    Close();
}

BOOL CFile::OpenExistingForWrite(const char* path)
{
    Close();
    m_hFile = port::CreateFileA(path, GENERIC_WRITE, 0, OPEN_EXISTING);
    return m_hFile != INVALID_HANDLE_VALUE;
}

BOOL CFile::Write(const void* data, UINT count)
{
    DWORD written = 0;
    if (m_hFile == INVALID_HANDLE_VALUE || !port::WriteFile(m_hFile, data, count, &written))
        return FALSE;
    return written == count;  // a full disk writes less and says nothing
}

BOOL CFile::SetLengthHere()
{
    return m_hFile != INVALID_HANDLE_VALUE && port::SetEndOfFile(m_hFile);
}

BOOL CFile::Close()
{
    if (m_hFile == INVALID_HANDLE_VALUE)
        return TRUE;
    BOOL closed = port::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    return closed;
}
