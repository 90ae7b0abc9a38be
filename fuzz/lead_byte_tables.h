// Every input is checked under both kinds of code page: single-byte, where
// any byte position starts a character, and Shift-JIS (code page 932), where
// a lead byte takes the next byte with it.
#pragma once

#include "framework/mbcs_search.h"

struct CheckedTable {
    const char* name;
    LeadByteTable table;
};

inline const CheckedTable kCheckedTables[] = {
    {"the single-byte table", LeadByteTable::SingleByte()},
    {"the Shift-JIS table", LeadByteTable::ShiftJis()},
};
