// What the key list file yields, byte for byte, under a single-byte and a
// double-byte code page.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "installer/key_list.h"

namespace {

using Entries = std::vector<std::string>;

Entries Parse(const std::string& bytes, const LeadByteTable& table)
{
    static DeviceKeyList list;  // large; and the parse must not rely on a clean table
    std::memset(&list, 0x5A, sizeof list);
    int count = ParseKeyList(bytes.data(), bytes.size(), table, &list);
    Entries entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(list.entries[i]);
    return entries;
}

struct ParseCase {
    const char* name;
    std::string bytes;
    Entries singleByte;
    Entries shiftJis;
};

void PrintTo(const ParseCase& c, std::ostream* out)
{
    *out << c.name;
}

ParseCase Same(const char* name, const std::string& bytes, const Entries& entries)
{
    return ParseCase{name, bytes, entries, entries};
}

std::string Repeat(char c, size_t n)
{
    return std::string(n, c);
}

// count lines "Kn=<entry>", each ended by a carriage return and a line feed.
std::string Lines(const Entries& entries)
{
    std::string text;
    for (size_t i = 0; i < entries.size(); ++i)
        text += "K" + std::to_string(i) + "=" + entries[i] + "\r\n";
    return text;
}

Entries Fifty(size_t length)
{
    Entries entries;
    for (int i = 0; i < 50; ++i)
        entries.push_back(std::string(length - 2, 'A') + static_cast<char>('0' + i / 10) + static_cast<char>('0' + i % 10));
    return entries;
}

class ParseKeyListTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseKeyListTest, YieldsTheEntriesInFileOrder)
{
    const ParseCase& c = GetParam();
    EXPECT_EQ(Parse(c.bytes, LeadByteTable::SingleByte()), c.singleByte);
    EXPECT_EQ(Parse(c.bytes, LeadByteTable::ShiftJis()), c.shiftJis);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ParseKeyListTest,
    ::testing::Values(
        Same("example",
             "[Controllers]\r\nDEV1=VEN_ABCD&DEV_0001\r\n;old=VEN_ABCD&DEV_0002\r\nDEV3 = VEN_ABCD&DEV_0003\r\n"
             "DEV4=DEV_0004=B\r\n\r\n",
             {"VEN_ABCD&DEV_0001", "VEN_ABCD&DEV_0002", " VEN_ABCD&DEV_0003", "DEV_0004=B"}),
        Same("empty_file", "", {}),
        Same("no_equals_sign", "[Controllers]\r\nDEV_0001\r\n", {}),
        Same("line_feed_only_runs_on", "A=x\nB=y\n", {"x\nB=y\n"}),
        Same("carriage_return_only", "A=1\rB=2\r", {"1", "2"}),
        Same("last_line_without_end", "A=1\r\nB=2", {"1", "2"}),
        Same("nul_ends_the_text", std::string("A=1\r\n\0B=2\r\n", 11), {"1"}),
        Same("nul_inside_an_entry", std::string("A=1\0002\r\nB=3\r\n", 12), {"1"}),
        Same("equals_sign_last", "A=1\r\nB=", {"1", ""}),
        Same("equals_then_carriage_return", "A=\r\nB=2\r\n", {"", "2"}),
        Same("later_equals_signs_belong_to_entry", "DEV5=A=B=C\r\n", {"A=B=C"}),
        Same("blanks_and_tabs_kept", "K = \tX \r\n", {" \tX "}),
        Same("entry_directly_after_carriage_return", "=A\r=B", {"A", "B"}),
        Same("longest_entry_kept", "K=" + Repeat('L', 44) + "\r\nM=2\r\n", {Repeat('L', 44), "2"}),
        Same("too_long_entry_skipped_whole", "K=" + Repeat('L', 45) + "\r\nM=2\r\n", {"2"}),
        Same("too_long_by_line_feeds", "A=" + Repeat('x', 20) + "\nB=" + Repeat('y', 30) + "\rC=3", {"3"}),
        Same("fifty_longest_entries", Lines(Fifty(44)), Fifty(44)),
        Same("fifty_first_ignore_the_rest", Lines(Fifty(10)) + "K50=LATE\r\n", Fifty(10)),
        Same("skipped_entries_take_no_slot", "K=" + Repeat('L', 60) + "\r\n" + Lines(Fifty(10)), Fifty(10)),
        // 0x81 0x3D is one character in code page 932: no equals sign there.
        ParseCase{"trail_byte_equals_sign", "A\x81=X\r\nB=Y\r\n", {"X", "Y"}, {"Y"}},
        ParseCase{"trail_byte_equals_sign_only", "A\x81=X\r\n", {"X"}, {}},
        Same("double_byte_entry_copied_whole", "K=\x81\x40\x82\xA0\r\n", {"\x81\x40\x82\xA0"}),
        Same("lead_byte_before_carriage_return", "K=\x81\rL=Z", {"\x81", "Z"})));

}  // namespace
