// The package's key list file: whatever follows an equals sign, up to the
// next carriage return, names a device the package is meant for.
#pragma once

#include <cstddef>

#include "framework/mbcs_search.h"

const int kMaxDeviceKeys = 50;
const int kMaxDeviceKeyLength = 44;

struct DeviceKeyList {
    // Each entry NUL-terminated, in the order of the file.
    char entries[kMaxDeviceKeys][kMaxDeviceKeyLength + 1];
};

// Parses the file's bytes into list and returns the number of entries
// stored. The text ends at the first NUL byte. Nothing is trimmed and a line
// feed is an ordinary byte. An entry too long for its slot is skipped whole
// (a shortened one could name an unrelated device); entries beyond the table
// are ignored. The equals-sign search goes by characters of the code page
// whose lead bytes are given, so the second byte of a double-byte character
// never starts an entry.
int ParseKeyList(const char* bytes, size_t size, const LeadByteTable& leadBytes, DeviceKeyList* list);
