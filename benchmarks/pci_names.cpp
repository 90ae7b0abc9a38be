#include "pci_names.h"

#include <cstdio>

namespace {

std::string OurDevice(int index)
{
    char entry[32];
    std::snprintf(entry, sizeof entry, "VEN_1DF4&DEV_%04X", 0x4400 + index);
    return entry;
}

}  // namespace

std::string KeyListFile(int keyCount)
{
    std::string file = "[Controllers]\r\n";
    for (int i = 0; i < keyCount; ++i)
        file += "DEV" + std::to_string(i + 1) + "=" + OurDevice(i) + "\r\n";
    return file;
}

std::vector<std::string> PciSubkeyNames(int count, int keyCount, bool lastIsOurs)
{
    // Other vendors' devices, with subsystems and revisions varying as on
    // real boards; the vendor 1DF4 never appears among them.
    static const char* const kVendors[] = {"8086", "10DE", "1002", "102B", "1274", "10EC", "1106", "1039"};
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "VEN_%s&DEV_%04X&SUBSYS_%08X&REV_%02X", kVendors[i % 8], 0x7000 + i / 8,
                      0x10000u * static_cast<unsigned>(i % 13) + 0x1028u, i % 7);
        names.push_back(name);
    }
    if (lastIsOurs && count > 0)
        names.back() = OurDevice(keyCount - 1) + "&SUBSYS_00011DF4&REV_01";
    return names;
}
