// The package's key list file as hostile input: the parse, then the search
// for a device over subkey names taken from the same input.
//
// Input: the key list file's bytes. The parse sees them up to the first NUL;
// the subkey names are the pieces of the whole input between CR, LF and NUL
// bytes, so a file's own lines are names and so is whatever follows a NUL.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "installer/device_search.h"
#include "installer/key_list.h"
#include "key_list_model.h"
#include "lead_byte_tables.h"
#include "property.h"

namespace {

// Enough names for every order of entries and names to matter, few enough
// to keep the search quick. The enumeration buffer holds 255 bytes with the
// terminator, so longer names never reach the match.
const size_t kMaxNames = 32;
const size_t kMaxNameLength = 254;

std::vector<std::string> SubkeyNames(const std::string& input)
{
    std::vector<std::string> names;
    size_t begin = 0;
    while (begin < input.size() && names.size() < kMaxNames) {
        size_t end = input.find_first_of(std::string("\r\n\0", 3), begin);
        if (end == std::string::npos)
            end = input.size();
        if (end > begin && end - begin <= kMaxNameLength)
            names.push_back(input.substr(begin, end - begin));
        begin = end + 1;
    }
    return names;
}

// The file's bytes are given as libFuzzer holds them, with nothing after
// the last one, so a read past the end is caught.
std::vector<std::string> CheckParse(const char* file, size_t size, const LeadByteTable& table)
{
    // A table of its own on the heap, so a write past it is caught too.
    auto list = std::make_unique<DeviceKeyList>();
    std::memset(list.get(), 0x5A, sizeof *list);
    int count = ParseKeyList(file, size, table, list.get());

    REQUIRE(count >= 0 && count <= kMaxDeviceKeys, "at most 50 entries");
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i) {
        const char* slot = list->entries[i];
        REQUIRE(std::memchr(slot, 0, kMaxDeviceKeyLength + 1) != nullptr, "every entry ends within its slot");
        REQUIRE(std::strlen(slot) <= static_cast<size_t>(kMaxDeviceKeyLength), "no entry longer than 44 bytes");
        entries.push_back(slot);
    }

    // Each entry is the run of bytes after an equals sign of the text, up to
    // a CR or the text's end, in file order; too long ones are skipped whole,
    // and none is lost while the table has room.
    const std::string text = KeyListText(std::string(file, size));
    std::vector<std::string> expected;
    for (const EntrySpan& span : EntriesOfText(text, table)) {
        if (expected.size() == static_cast<size_t>(kMaxDeviceKeys))
            break;
        if (span.length <= static_cast<size_t>(kMaxDeviceKeyLength))
            expected.push_back(text.substr(span.begin, span.length));
    }
    REQUIRE(entries.size() == expected.size(), "the entry count is the number of fitting entries, up to 50");
    for (size_t i = 0; i < entries.size(); ++i)
        REQUIRE(entries[i] == expected[i], "each entry is the bytes after its equals sign, in file order");
    return entries;
}

void CheckSearch(const std::vector<std::string>& entries, const std::vector<std::string>& names,
                 const LeadByteTable& table)
{
    DeviceKeyList list = {};
    for (size_t i = 0; i < entries.size(); ++i)
        std::memcpy(list.entries[i], entries[i].c_str(), entries[i].size() + 1);

    DeviceSearch search(list, static_cast<int>(entries.size()), static_cast<DWORD>(names.size()), table);
    std::vector<DWORD> looked;
    long picked = -1;
    DWORD index = 0;
    while (search.Next(&index)) {
        REQUIRE(index < names.size(), "only existing subkeys are looked at");
        looked.push_back(index);
        if (search.Matches(names[index].c_str())) {
            picked = static_cast<long>(index);
            break;
        }
    }

    // Every name for each non-empty entry in turn, up to the pick; the first
    // entry found in any name wins, and of its names the lowest index. An
    // empty entry gets no turn, so it can never select a device.
    Pick expected = ExpectedPick(entries, names, table);
    REQUIRE(picked == expected.name, "the first entry found wins, at the lowest index holding it");
    std::vector<DWORD> order;
    size_t lastEntry = expected.entry >= 0 ? static_cast<size_t>(expected.entry) : entries.size();
    for (size_t e = 0; e < entries.size() && e <= lastEntry; ++e) {
        if (entries[e].empty())
            continue;
        size_t last = e == lastEntry ? static_cast<size_t>(expected.name) : names.size() - 1;
        for (size_t n = 0; n <= last && n < names.size(); ++n)
            order.push_back(static_cast<DWORD>(n));
    }
    REQUIRE(looked == order,
            "each entry is tried against every name before the next; an empty entry is passed over, never selects");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> names = SubkeyNames(input);
    for (const CheckedTable& checked : kCheckedTables) {
        g_checkedUnder = checked.name;
        CheckSearch(CheckParse(reinterpret_cast<const char*>(data), size, checked.table), names, checked.table);
    }
    return 0;
}
