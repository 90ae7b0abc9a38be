// A key list file and a PCI enumeration branch for the search benchmark:
// many more devices than any real machine has, named the way Windows names
// them, none of them ours unless asked for.
#pragma once

#include <string>
#include <vector>

// keyCount entries, one a line ended by CR LF, each naming a device of ours.
std::string KeyListFile(int keyCount);

// count subkey names; when lastIsOurs, the last one holds the key list's
// last entry and no name holds any other.
std::vector<std::string> PciSubkeyNames(int count, int keyCount, bool lastIsOurs);
