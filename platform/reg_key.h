// An open registry key that is closed on every path out of its scope.
#pragma once

#include "platform/port.h"

class CKey {
public:
    CKey() : m_hKey(nullptr) {}
    ~CKey() { Close(); }
    CKey(const CKey&) = delete;
    CKey& operator=(const CKey&) = delete;

    LONG Open(HKEY parent, const char* subKey)
    {
        Close();
        return Keep(port::RegOpenKeyA(parent, subKey, &m_hKey));
    }
    LONG OpenEx(HKEY parent, const char* subKey, REGSAM access)
    {
        Close();
        return Keep(port::RegOpenKeyExA(parent, subKey, 0, access, &m_hKey));
    }
    // Closing before the process is ended keeps the key from outliving its use.
    void Close()
    {
        if (m_hKey != nullptr) {
            port::RegCloseKey(m_hKey);
            m_hKey = nullptr;
        }
    }
    operator HKEY() const { return m_hKey; }

private:
    LONG Keep(LONG result)
    {
        if (result != ERROR_SUCCESS)
            m_hKey = nullptr;  // a failed open leaves nothing to close
        return result;
    }

    HKEY m_hKey;
};
