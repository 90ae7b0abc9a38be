// The framework's file object, as far as the programs use it: open a file
// that already exists for writing, with no other process let in until it is
// closed, write blocks from its first byte on, and cut it where writing
// ended. Every call reports success; nothing is thrown.
#pragma once

#include "platform/win_types.h"

class CFile {
public:
    CFile();
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    BOOL OpenExistingForWrite(const char* path);
    BOOL Write(const void* data, UINT count);
    BOOL SetLengthHere();  // the file ends after the last byte written
    BOOL Close();

private:
    HANDLE m_hFile;
};
