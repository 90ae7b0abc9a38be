// The installer's key list parse and its search through the PCI branch, with
// the names already read: 50 entries against 10,000 names, the whole search.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "installer/device_search.h"
#include "installer/key_list.h"
#include "pci_names.h"

namespace {

const int kEntries = 50;
const int kNames = 10000;

long ParseAndSearch(const std::string& file, const std::vector<std::string>& names, const LeadByteTable& table)
{
    static DeviceKeyList list;
    int count = ParseKeyList(file.data(), file.size(), table, &list);
    DeviceSearch search(list, count, static_cast<DWORD>(names.size()), table);
    DWORD index = 0;
    while (search.Next(&index)) {
        if (search.Matches(names[index].c_str()))
            return static_cast<long>(index);
    }
    return -1;
}

// Arguments: whether the last name holds the last entry, and whether the
// code page is Shift-JIS.
void BM_ParseAndSearch(benchmark::State& state)
{
    const bool lastIsOurs = state.range(0) != 0;
    const LeadByteTable table = state.range(1) != 0 ? LeadByteTable::ShiftJis() : LeadByteTable::SingleByte();
    const std::string file = KeyListFile(kEntries);
    const std::vector<std::string> names = PciSubkeyNames(kNames, kEntries, lastIsOurs);
    const long expected = lastIsOurs ? kNames - 1 : -1;
    for (auto _ : state) {
        long picked = ParseAndSearch(file, names, table);
        benchmark::DoNotOptimize(picked);
        if (picked != expected) {
            state.SkipWithError("the search picked the wrong name");
            break;
        }
    }
    // One item is one entry tried against one name.
    state.SetItemsProcessed(state.iterations() * kEntries * kNames);
}

}  // namespace

BENCHMARK(BM_ParseAndSearch)
    ->ArgNames({"last_matches", "shift_jis"})
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);
