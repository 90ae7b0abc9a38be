// The key list format and the device search order as the installer's
// documentation states them, written out plainly so the fuzzer can hold the
// parse and the search to them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "framework/mbcs_search.h"

// The text of a key list file: its bytes up to the first NUL.
std::string KeyListText(const std::string& file);

// Every entry the text holds, in file order, before the table's limits are
// applied: in each stretch of text up to a CR (or the end), the first equals
// sign at a character start opens an entry that runs to the stretch's end.
struct EntrySpan {
    size_t begin;
    size_t length;
};
std::vector<EntrySpan> EntriesOfText(const std::string& text, const LeadByteTable& table);

// What the search must pick: the first non-empty entry that occurs at a
// character start of any name, and the lowest-numbered name holding it.
struct Pick {
    long entry = -1;
    long name = -1;
};
Pick ExpectedPick(const std::vector<std::string>& entries, const std::vector<std::string>& names,
                  const LeadByteTable& table);
