// The benchmarks' entry point. Whole-text blocks come from one heap that
// is reused from rewrite to rewrite, at every size.
//
// Left to itself, glibc maps a block above its mmap threshold freshly from
// the kernel and unmaps it when it is freed. The threshold follows the
// blocks freed, but only up to 32 MB, and the block of a 16 MB text (32 MB
// of capacity) lies above it: every 16 MB rewrite would pay for the first
// touch of 4,097 pages while a 1 MB text's 2 MB block comes back warm from
// the heap. That compares fresh memory with warm memory, not a small rewrite
// with a large one. --default_malloc leaves the allocator as it is, to see it.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstring>

int main(int argc, char** argv)
{
    bool defaultMalloc = false;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--default_malloc") == 0)
            defaultMalloc = true;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    if (!defaultMalloc) {
        mallopt(M_MMAP_MAX, 0);              // no block mapped on its own
        mallopt(M_TRIM_THRESHOLD, 1 << 30);  // freed memory stays with the heap
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
