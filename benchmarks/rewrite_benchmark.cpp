// The settings rewrite over config.sys files of 1 KB, 1 MB and 16 MB with
// both values to replace. Time per byte is bytes_per_second; fresh_pages is
// how many pages the kernel had to hand out per rewrite (see main.cpp).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>

#include "cache_eviction.h"
#include "config_sys_text.h"
#include "patcher/settings_rewrite.h"

namespace {

long MinorFaults()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// Arguments: the size; 0 for the settings at the top, 1 at the bottom; and
// 1 to start every rewrite with the caches emptied. A 16 MB text never fits
// the caches, a 1 MB one rewritten in a loop stays in them: only with the
// caches emptied each time do the two sizes compare like with like.
void BM_Rewrite(benchmark::State& state)
{
    const size_t size = static_cast<size_t>(state.range(0));
    const SettingsPlace place = state.range(1) == 0 ? SettingsPlace::Top : SettingsPlace::Bottom;
    const bool coldCaches = state.range(2) != 0;
    const std::string content = ConfigSysText(size, place);
    const LeadByteTable table = LeadByteTable::SingleByte();
    static CacheEviction eviction;

    // Both values raised: BUFFERS=20,0 loses the two bytes the added CR LF
    // brings, FILES=40 keeps its length.
    const int expected = static_cast<int>(size);
    // One rewrite untimed, so the heap has the text's block before timing.
    benchmark::DoNotOptimize(RewriteSettings(content.data(), static_cast<int>(size), table).GetLength());
    long faults = MinorFaults();
    for (auto _ : state) {
        if (coldCaches) {
            state.PauseTiming();
            eviction.Evict();
            state.ResumeTiming();
        }
        CString text = RewriteSettings(content.data(), static_cast<int>(size), table);
        benchmark::DoNotOptimize(text.GetLength());
        if (text.GetLength() != expected) {
            state.SkipWithError("the rewrite did not replace both values");
            break;
        }
    }
    faults = MinorFaults() - faults;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
    state.counters["fresh_pages"] = static_cast<double>(faults) / static_cast<double>(state.iterations());
}

}  // namespace

// A 1 KB rewrite takes about a microsecond, too little to time around an
// emptying of the caches; it is the size real files have.
BENCHMARK(BM_Rewrite)
    ->ArgNames({"bytes", "at_bottom", "cold_caches"})
    ->ArgsProduct({{1 << 10, 1 << 20, 16 << 20}, {0, 1}, {0}})
    ->Unit(benchmark::kMicrosecond);
// With the caches emptied each time the iterations are counted out: the
// emptying is not timed, so the library cannot pace them by the clock.
BENCHMARK(BM_Rewrite)
    ->ArgNames({"bytes", "at_bottom", "cold_caches"})
    ->ArgsProduct({{1 << 20}, {0, 1}, {1}})
    ->Iterations(200)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Rewrite)
    ->ArgNames({"bytes", "at_bottom", "cold_caches"})
    ->ArgsProduct({{16 << 20}, {0, 1}, {1}})
    ->Iterations(40)
    ->Unit(benchmark::kMicrosecond);
