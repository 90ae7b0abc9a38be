// Searches that step through text by characters of the ANSI code page, the
// way the run-time's multibyte string functions do: under a double-byte code
// page a lead byte and the byte after it are one character, so a match can
// only begin at a character boundary; under a single-byte code page every
// byte position is a boundary. The text may hold any byte, NUL included.
#pragma once

#include <cstddef>

class LeadByteTable {
public:
    LeadByteTable();  // single-byte: no lead bytes
    static LeadByteTable SingleByte() { return LeadByteTable(); }
    static LeadByteTable ShiftJis();  // code page 932

    bool IsLead(unsigned char value) const { return m_lead[value]; }
    void SetLead(unsigned char value, bool lead) { m_lead[value] = lead; }

private:
    bool m_lead[256];
};

// Position of the first occurrence of needle in text[0, textLength) that
// starts at a character boundary at or after start (start counts as one);
// -1 when there is none or start lies at or beyond the end of the text.
// An empty needle is found at start.
long MbcsFind(const char* text, size_t textLength, size_t start, const char* needle, size_t needleLength,
              const LeadByteTable& leadBytes);

// The lead-byte table of the ANSI code page the program runs under; the
// framework fills it from Windows at start-up.
const LeadByteTable& AnsiLeadBytes();
void SetAnsiLeadBytes(const LeadByteTable& table);
