#include "framework/mbcs_search.h"

#include <cstring>

LeadByteTable::LeadByteTable()
{
    std::memset(m_lead, 0, sizeof m_lead);
}

LeadByteTable LeadByteTable::ShiftJis()
{
    LeadByteTable table;
    for (int b = 0x81; b <= 0x9F; ++b)
        table.SetLead(static_cast<unsigned char>(b), true);
    for (int b = 0xE0; b <= 0xFC; ++b)
        table.SetLead(static_cast<unsigned char>(b), true);
    return table;
}

long MbcsFind(const char* text, size_t textLength, size_t start, const char* needle, size_t needleLength,
              const LeadByteTable& leadBytes)
{
    if (start > textLength)
        return -1;
    size_t pos = start;
    while (pos + needleLength <= textLength) {
        if (std::memcmp(text + pos, needle, needleLength) == 0)
            return static_cast<long>(pos);
        // A lead byte at the very end has no second byte to take with it.
        bool pair = leadBytes.IsLead(static_cast<unsigned char>(text[pos])) && pos + 1 < textLength;
        pos += pair ? 2 : 1;
    }
    return -1;
}

namespace {
LeadByteTable g_ansiLeadBytes;
}

const LeadByteTable& AnsiLeadBytes()
{
    return g_ansiLeadBytes;
}

void SetAnsiLeadBytes(const LeadByteTable& table)
{
    g_ansiLeadBytes = table;
}
