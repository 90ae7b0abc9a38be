#include "installer/key_list.h"

#include <cstring>

int ParseKeyList(const char* bytes, size_t size, const LeadByteTable& leadBytes, DeviceKeyList* list)
{
    const void* nul = std::memchr(bytes, 0, size);
    size_t length = nul != nullptr ? static_cast<size_t>(static_cast<const char*>(nul) - bytes) : size;

    int count = 0;
    size_t pos = 0;
    while (count < kMaxDeviceKeys) {
        long equals = MbcsFind(bytes, length, pos, "=", 1, leadBytes);
        if (equals < 0)
            break;
        size_t begin = static_cast<size_t>(equals) + 1;
        size_t end = begin;
        while (end < length && bytes[end] != '\r')
            ++end;
        size_t entryLength = end - begin;
        if (entryLength <= static_cast<size_t>(kMaxDeviceKeyLength)) {
            std::memcpy(list->entries[count], bytes + begin, entryLength);
            list->entries[count][entryLength] = 0;
            ++count;
        }
        // The next search starts at the carriage return, so only the first
        // equals sign of a stretch begins an entry.
        pos = end;
    }
    return count;
}
