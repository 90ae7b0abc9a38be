#include "installer/device_search.h"

#include <cstring>

DeviceSearch::DeviceSearch(const DeviceKeyList& list, int keyCount, DWORD subkeyCount, const LeadByteTable& leadBytes)
    : m_list(list),
      m_keyCount(keyCount < kMaxDeviceKeys ? keyCount : kMaxDeviceKeys),
      m_subkeyCount(subkeyCount),
      m_leadBytes(leadBytes),
      m_entry(-1),
      m_subkey(0)
{
}

bool DeviceSearch::Next(DWORD* subkey)
{
    if (m_subkeyCount == 0 || m_entry >= m_keyCount)
        return false;
    if (m_entry < 0 || ++m_subkey >= m_subkeyCount) {
        do
            ++m_entry;
        while (m_entry < m_keyCount && m_list.entries[m_entry][0] == 0);
        if (m_entry >= m_keyCount)
            return false;
        m_subkey = 0;
    }
    *subkey = m_subkey;
    return true;
}

bool DeviceSearch::Matches(const char* name) const
{
    const char* entry = m_list.entries[m_entry];
    return MbcsFind(name, std::strlen(name), 0, entry, std::strlen(entry), m_leadBytes) >= 0;
}
