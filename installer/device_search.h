// The order in which the key list is tried against the subkeys of the PCI
// enumeration branch, and the test that picks one. Every subkey is tried for
// one entry before the next entry is tried, so the first entry of the file
// found in any name wins, and among the names holding it the one with the
// lowest index. The branch is enumerated afresh for every entry.
#pragma once

#include "framework/mbcs_search.h"
#include "installer/key_list.h"
#include "platform/win_types.h"

class DeviceSearch {
public:
    DeviceSearch(const DeviceKeyList& list, int keyCount, DWORD subkeyCount, const LeadByteTable& leadBytes);

    // The subkey index to look at next; false once every entry has been
    // tried against every subkey. Empty entries are passed over: they occur
    // in every name and would pick whatever device comes first.
    bool Next(DWORD* subkey);

    // Whether the entry now being tried occurs in the name found at that
    // index: the same bytes in a row, case and all, beginning at a
    // character boundary of the name. Only after Next has returned true.
    bool Matches(const char* name) const;

private:
    const DeviceKeyList& m_list;
    int m_keyCount;
    DWORD m_subkeyCount;
    const LeadByteTable& m_leadBytes;
    int m_entry;
    DWORD m_subkey;
};
