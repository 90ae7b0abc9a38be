// Reading the package's key list file.
#include <cstdio>

#include "installer/installer_app.h"
#include "platform/port.h"

BOOL InstallerApp::LoadWholeFile(const char* path)
{
    // Binary, so carriage returns reach the parser and no byte ends the file early.
    port::CrtFile* file = port::fopen(path, "rb");
    if (file == nullptr)
        return FALSE;
    long length = -1;
    if (port::fseek(file, 0, SEEK_END) == 0)
        length = port::ftell(file);
    if (length < 0 || port::fseek(file, 0, SEEK_SET) != 0) {
        port::fclose(file);
        return FALSE;
    }
    size_t size = static_cast<size_t>(length);
    char* buffer = static_cast<char*>(port::malloc(size + 1));
    if (buffer == nullptr) {
        port::fclose(file);
        return FALSE;
    }
    size_t read = port::fread(buffer, 1, size, file);
    port::fclose(file);
    // Bytes the read did not deliver would be parsed as whatever the block held.
    if (read != size)
        return FALSE;
    buffer[size] = 0;
    m_pKeyFile = buffer;
    m_nKeyFileLength = size;
    return TRUE;
}

void InstallerApp::ReadKeyList()
{
    if (m_szBaseDir[0] == 0 || !LoadWholeFile(CString(m_szBaseDir) + m_profile.KeyFilePath)) {
        // The same words for both packages, although one spells its file KEY.INI.
        DoMessageBox("key.ini not found !!", MB_OK, 0);
        port::exit(0);
    }
    m_nKeyCount = ParseKeyList(m_pKeyFile, m_nKeyFileLength, AnsiLeadBytes(), &m_deviceKeyList);
}
