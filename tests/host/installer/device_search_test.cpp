// Which PCI enumeration subkey the key list picks, and in which order the
// subkeys are looked at on the way.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "installer/device_search.h"

namespace {

using Strings = std::vector<std::string>;

struct Outcome {
    long picked = -1;             // index of the picked name
    std::vector<DWORD> looked;    // every index asked for, in order
};

Outcome Search(const Strings& entries, const Strings& names, const LeadByteTable& table)
{
    static DeviceKeyList list;
    std::memset(&list, 0, sizeof list);
    for (size_t i = 0; i < entries.size(); ++i)
        std::strcpy(list.entries[i], entries[i].c_str());
    DeviceSearch search(list, static_cast<int>(entries.size()), static_cast<DWORD>(names.size()), table);
    Outcome outcome;
    DWORD index = 0;
    while (search.Next(&index)) {
        outcome.looked.push_back(index);
        if (search.Matches(names.at(index).c_str())) {
            outcome.picked = static_cast<long>(index);
            break;
        }
    }
    return outcome;
}

const char kDev1[] = "VEN_ABCD&DEV_0001&SUBSYS_00000000&REV_01";
const char kDev2[] = "VEN_ABCD&DEV_0002&SUBSYS_00000000&REV_01";
const char kOther[] = "VEN_8086&DEV_7110&SUBSYS_00000000&REV_01";

struct PickCase {
    const char* name;
    Strings entries;
    Strings names;
    long singleByte;
    long shiftJis;
};

void PrintTo(const PickCase& c, std::ostream* out)
{
    *out << c.name;
}

class DeviceSearchPickTest : public ::testing::TestWithParam<PickCase> {};

TEST_P(DeviceSearchPickTest, PicksTheFirstEntryFoundThenTheLowestIndex)
{
    const PickCase& c = GetParam();
    EXPECT_EQ(Search(c.entries, c.names, LeadByteTable::SingleByte()).picked, c.singleByte);
    EXPECT_EQ(Search(c.entries, c.names, LeadByteTable::ShiftJis()).picked, c.shiftJis);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeviceSearchPickTest,
    ::testing::Values(
        PickCase{"part_of_the_name", {"DEV_0001"}, {kDev1}, 0, 0},
        PickCase{"whole_name", {kDev1}, {kOther, kDev1}, 1, 1},
        PickCase{"case_matters", {"dev_0001"}, {kDev1}, -1, -1},
        PickCase{"no_trimming", {"DEV_0001 "}, {kDev1}, -1, -1},
        PickCase{"earlier_entry_wins_over_lower_index", {"DEV_0002", "DEV_0001"}, {kDev1, kDev2}, 1, 1},
        PickCase{"lower_index_wins_for_one_entry", {"VEN_ABCD"}, {kOther, kDev2, kDev1}, 1, 1},
        PickCase{"later_entry_when_earlier_absent", {"DEV_9999", "DEV_0001"}, {kOther, kDev1}, 1, 1},
        PickCase{"empty_entry_picks_nothing", {""}, {kOther, kDev1}, -1, -1},
        PickCase{"empty_entry_passed_over", {"", "DEV_0001"}, {kOther, kDev1}, 1, 1},
        PickCase{"no_entries", {}, {kDev1}, -1, -1},
        PickCase{"no_subkeys", {"DEV_0001"}, {}, -1, -1},
        // 0x81 0x40 is one character in code page 932: "@DEV" does not begin inside it.
        PickCase{"match_inside_double_byte_character", {"@DEV"}, {"\x81@DEV_0001"}, 0, -1},
        PickCase{"match_after_double_byte_character", {"DEV"}, {"\x81@DEV_0001"}, 0, 0}));

TEST(DeviceSearchOrderTest, TriesEverySubkeyForOneEntryBeforeTheNext)
{
    Outcome none = Search({"DEV_9998", "", "DEV_9999"}, {kDev1, kDev2, kOther}, LeadByteTable::SingleByte());
    EXPECT_EQ(none.picked, -1);
    EXPECT_EQ(none.looked, (std::vector<DWORD>{0, 1, 2, 0, 1, 2}));

    Outcome found = Search({"DEV_9998", "DEV_0002"}, {kDev1, kDev2, kOther}, LeadByteTable::SingleByte());
    EXPECT_EQ(found.picked, 1);
    EXPECT_EQ(found.looked, (std::vector<DWORD>{0, 1, 2, 0, 1}));
}

TEST(DeviceSearchOrderTest, EndsForGoodOnceExhausted)
{
    DeviceKeyList list = {};
    std::strcpy(list.entries[0], "X");
    DeviceSearch search(list, 1, 1, LeadByteTable::SingleByte());
    DWORD index = 99;
    EXPECT_TRUE(search.Next(&index));
    EXPECT_EQ(index, 0u);
    EXPECT_FALSE(search.Next(&index));
    EXPECT_FALSE(search.Next(&index));
    DeviceSearch negative(list, -3, 5, LeadByteTable::SingleByte());
    EXPECT_FALSE(negative.Next(&index));
}

}  // namespace
